// The five validators of settings fields over arbitrary typed text. Each must
// judge without changing the text, give the same answer twice, and hold its
// own promise: an acceptable text fits the limit, has no refused character
// and, for an address, has exactly one at sign.
//
// Input: one byte choosing the validator (bits 0-2) and its flags (bits 3-6),
// one byte of field size, then the text as UTF-8 (malformed bytes included).
#include "EMailAddressValidator.h"
#include "FuzzCheck.h"
#include "ExFatFileNameValidator.h"
#include "MaxUtf8LengthValidator.h"
#include "NonEmptyValidator.h"
#include "UnsignedIntValidator.h"

#include <QString>

#include <memory>

namespace {

std::unique_ptr<QValidator> validatorFor(int kind, int size, int flags)
{
    switch (kind % 5) {
    case 0: return std::make_unique<NonEmptyValidator>();
    case 1: return std::make_unique<UnsignedIntValidator>(1, 65535);
    case 2: return std::make_unique<MaxUtf8LengthValidator>(size, flags);
    case 3: return std::make_unique<ExFatFileNameValidator>(size, flags);
    default: return std::make_unique<EMailAddressValidator>();
    }
}

void checkPromise(int kind, int size, int flags, const QString& text)
{
    using V = MaxUtf8LengthValidator;
    switch (kind % 5) {
    case 0: fuzzCheck(!text.isEmpty()); break;
    case 1: fuzzCheck(text.toInt() >= 1 && text.toInt() <= 65535 && text.at(0) != QLatin1Char('0')); break;
    case 2:
    case 3:
        fuzzCheck(text.isEmpty() || (flags & V::kAllowLeadingWhiteSpace) || !V::isWhiteSpace(text.front()));
        fuzzCheck(text.isEmpty() || (flags & V::kAllowTrailingWhiteSpace) || !V::isWhiteSpace(text.back()));
        if (kind % 5 == 2) {
            fuzzCheck(text.toUtf8().size() <= size - 1);
        } else {
            fuzzCheck(text.toLatin1().size() <= size - 1);
            for (const QChar c : text)
                fuzzCheck(c.unicode() >= 32 && c.unicode() <= 127);
        }
        break;
    default: fuzzCheck(text.isEmpty() || text.count(QLatin1Char('@')) == 1); break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const int kind = data[0] & 7;
    const int flags = (data[0] >> 3) & 15;
    const int fieldSize = data[1];
    const QString typed = QString::fromUtf8(reinterpret_cast<const char*>(data + 2), int(size - 2));

    const std::unique_ptr<QValidator> validator = validatorFor(kind, fieldSize, flags);
    QString input = typed;
    int position = input.size();
    const QValidator::State first = validator->validate(input, position);
    fuzzCheck(input == typed);
    fuzzCheck(position >= 0 && position <= input.size());
    fuzzCheck(validator->validate(input, position) == first);
    if (first == QValidator::Acceptable)
        checkPromise(kind, fieldSize, flags, typed);
    return 0;
}
