#include "EMailAddressValidator.h"
#include "ExFatFileNameValidator.h"
#include "IpAddressValidator.h"
#include "MaxUtf8LengthValidator.h"
#include "UnsignedIntValidator.h"

#include <QtTest>

#include <memory>

namespace {

enum class Kind
{
    UnsignedInt,
    Utf8Length,
    FileName,
    EMail,
    IpAddress,
};

std::unique_ptr<QValidator> make(Kind kind, int size, int flags)
{
    switch (kind) {
    case Kind::UnsignedInt: return std::make_unique<UnsignedIntValidator>(1, 999);
    case Kind::Utf8Length: return std::make_unique<MaxUtf8LengthValidator>(size, flags);
    case Kind::FileName: return std::make_unique<ExFatFileNameValidator>(size, flags);
    case Kind::EMail: return std::make_unique<EMailAddressValidator>();
    case Kind::IpAddress: return std::make_unique<IpAddressValidator>();
    }
    return nullptr;
}

constexpr int kEmpty = MaxUtf8LengthValidator::kAllowEmpty;
constexpr int kLeading = MaxUtf8LengthValidator::kAllowLeadingWhiteSpace;
constexpr int kTrailing = MaxUtf8LengthValidator::kAllowTrailingWhiteSpace;
constexpr int kSpecial = MaxUtf8LengthValidator::kAllowSpecialCharacters;

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestValidators : public QObject
{
    Q_OBJECT

private slots:
    void validate_data();
    void validate();
};

void TestValidators::validate_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QValidator::State>("expected");

    const auto I = QValidator::Invalid;
    const auto M = QValidator::Intermediate;
    const auto A = QValidator::Acceptable;
    auto row = [](const char* name, Kind kind, int size, int flags, const QString& text, QValidator::State state) {
        QTest::newRow(name) << kind << size << flags << text << state;
    };

    // Unsigned integers, 1..999
    row("uint empty", Kind::UnsignedInt, 0, 0, "", M);
    row("uint plain", Kind::UnsignedInt, 0, 0, "42", A);
    row("uint leading zero", Kind::UnsignedInt, 0, 0, "042", I);
    row("uint zero alone", Kind::UnsignedInt, 0, 0, "0", I);
    row("uint minus sign", Kind::UnsignedInt, 0, 0, "-5", I);
    row("uint leading space", Kind::UnsignedInt, 0, 0, " 5", I);
    row("uint above top", Kind::UnsignedInt, 0, 0, "1000", I);
    row("uint group separator", Kind::UnsignedInt, 0, 0, "1,00", I);

    // UTF-8 length: size 9 leaves 8 bytes
    row("utf8 empty not allowed", Kind::Utf8Length, 9, 0, "", M);
    row("utf8 empty allowed", Kind::Utf8Length, 9, kEmpty, "", A);
    row("utf8 eight bytes", Kind::Utf8Length, 9, 0, "abcdefgh", A);
    row("utf8 nine bytes", Kind::Utf8Length, 9, 0, "abcdefghi", I);
    row("utf8 four two-byte letters", Kind::Utf8Length, 9, 0, QString::fromUtf8("\u00e9\u00e9\u00e9\u00e9"), A);
    row("utf8 five two-byte letters", Kind::Utf8Length, 9, 0, QString::fromUtf8("\u00e9\u00e9\u00e9\u00e9\u00e9"), I);
    row("utf8 emoji counts four bytes", Kind::Utf8Length, 9, 0, QString::fromUtf8("abcde\U0001F600"), I);
    row("utf8 leading space", Kind::Utf8Length, 9, 0, " abc", I);
    row("utf8 leading space allowed", Kind::Utf8Length, 9, kLeading, " abc", A);
    row("utf8 leading no-break space", Kind::Utf8Length, 9, 0, QString::fromUtf8("\u00a0abc"), I);
    row("utf8 leading ideographic space", Kind::Utf8Length, 9, 0, QString(QChar(0x3000)) + "a", I);
    row("utf8 trailing space", Kind::Utf8Length, 9, 0, "abc ", M);
    row("utf8 trailing space allowed", Kind::Utf8Length, 9, kTrailing, "abc ", A);
    row("utf8 too long beats white space", Kind::Utf8Length, 9, 0, " abcdefghij", I);
    row("utf8 only a space, both allowed", Kind::Utf8Length, 9, kLeading | kTrailing, " ", A);
    row("utf8 special characters are fine", Kind::Utf8Length, 9, 0, "a*b?", A);

    // File names: Latin-1 length, plain ASCII, no special characters
    row("file plain", Kind::FileName, 9, 0, "clip_01", A);
    row("file latin-1 counts one each", Kind::FileName, 9, 0, QString::fromUtf8("\u00e9\u00e9\u00e9\u00e9\u00e9"), I);
    row("file nine characters", Kind::FileName, 9, 0, "abcdefghi", I);
    row("file star", Kind::FileName, 9, 0, "a*b", I);
    row("file slash", Kind::FileName, 9, 0, "a/b", I);
    row("file question mark", Kind::FileName, 9, 0, "ab?", I);
    row("file specials allowed", Kind::FileName, 9, kSpecial, "a*b?", A);
    row("file control character", Kind::FileName, 9, 0, QString("a") + QChar(7), I);
    row("file control character, specials allowed", Kind::FileName, 9, kSpecial, QString("a") + QChar(31), I);
    row("file accented letter", Kind::FileName, 9, 0, QString::fromUtf8("caf\u00e9"), I);
    row("file delete character passes", Kind::FileName, 9, 0, QString("a") + QChar(127), A);
    row("file trailing space still to come", Kind::FileName, 9, 0, "ab ", M);
    row("file empty allowed", Kind::FileName, 9, kEmpty, "", A);

    // E-mail addresses
    row("mail empty", Kind::EMail, 0, 0, "", A);
    row("mail full", Kind::EMail, 0, 0, "sales@example.com", A);
    row("mail capitals", Kind::EMail, 0, 0, "SALES@EXAMPLE.COM", I);
    row("mail without at sign", Kind::EMail, 0, 0, "sales.example.com", M);
    row("mail without domain dot", Kind::EMail, 0, 0, "sales@example", M);
    row("mail ends in dot", Kind::EMail, 0, 0, "sales@example.", M);
    row("mail top level too long", Kind::EMail, 0, 0, "a@b.museum", M);
    row("mail two at signs", Kind::EMail, 0, 0, "a@b@c.com", I);
    row("mail space", Kind::EMail, 0, 0, "a b@c.com", I);
    row("mail markup", Kind::EMail, 0, 0, "<b>@c.com", I);

    // IPv4 addresses, as they are typed
    row("address highest octets", Kind::IpAddress, 0, 0, "255.255.255.255", A);
    row("address leading zeros", Kind::IpAddress, 0, 0, "010.001.0.09", A);
    row("address empty", Kind::IpAddress, 0, 0, "", M);
    row("address trailing dot", Kind::IpAddress, 0, 0, "10.1.", M);
    row("address three octets", Kind::IpAddress, 0, 0, "192.168.1", M);
    row("address octet over 255", Kind::IpAddress, 0, 0, "256.1.1.1", I);
    row("address five octets", Kind::IpAddress, 0, 0, "1.2.3.4.5", I);
    row("address white space", Kind::IpAddress, 0, 0, " 10.0.0.1", I);
    row("address four digits", Kind::IpAddress, 0, 0, "1000", I);
}

void TestValidators::validate()
{
    QFETCH(Kind, kind);
    QFETCH(int, size);
    QFETCH(int, flags);
    QFETCH(QString, text);
    QFETCH(QValidator::State, expected);

    const std::unique_ptr<QValidator> validator = make(kind, size, flags);
    int position = text.size();
    QString input = text;
    QCOMPARE(validator->validate(input, position), expected);
    // A validator judges; it never rewrites what was typed, nor moves the cursor.
    QCOMPARE(input, text);
    QCOMPARE(position, text.size());
}

QTEST_GUILESS_MAIN(TestValidators)
#include "tst_validators.moc"
