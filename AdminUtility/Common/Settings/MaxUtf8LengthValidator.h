#pragma once

#include <QValidator>

// Limits a text to size - 1 bytes of UTF-8 (room for the terminator of a
// fixed-size field in the driver) and refuses white space at its ends
// unless the flags allow it.
class MaxUtf8LengthValidator : public QValidator
{
    Q_OBJECT

public:
    enum Flag
    {
        kAllowEmpty = 1,
        kAllowLeadingWhiteSpace = 2,
        kAllowTrailingWhiteSpace = 4,
        // File names only: the characters a FAT-family file system refuses.
        kAllowSpecialCharacters = 8,
    };

    MaxUtf8LengthValidator(int size, int flags, QObject* parent = nullptr);

    State validate(QString& input, int& position) const override;

    int limit() const { return m_limit; }
    int flags() const { return m_flags; }

    static bool isWhiteSpace(QChar c);

protected:
    // How long the text counts as, in the unit the limit is given in.
    virtual int measure(const QString& text) const;
    // The checks of the text's characters after the length and white space ones.
    virtual State checkCharacters(const QString& text) const;

private:
    int m_limit;
    int m_flags;
};
