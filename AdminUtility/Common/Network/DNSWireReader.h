#pragma once

#include <QByteArray>
#include <QList>

// Bounds-checked reading of one DNS message. Every read says whether it
// stayed inside the message; nothing is read past its end.
class DNSWireReader
{
public:
    // Longest name on the wire, and how many compression pointers one name may follow.
    static constexpr int kMaxNameLength = 255;
    static constexpr int kMaxPointerHops = 32;

    DNSWireReader(const unsigned char* data, int length);

    int length() const { return m_length; }
    bool has(int offset, int count) const;
    const unsigned char* at(int offset) const { return m_data + offset; }

    // Each read advances offset past what it read, and leaves it alone on failure.
    bool readU16(int& offset, quint16& value) const;
    bool readU32(int& offset, quint32& value) const;
    // A name with its compression pointers followed. Pointers may only point
    // back before the labels that led to them, so a message cannot make the
    // reader loop; offset ends after the name as it stands in place.
    bool readName(int& offset, QList<QByteArray>& labels) const;

private:
    const unsigned char* m_data;
    int m_length;
};
