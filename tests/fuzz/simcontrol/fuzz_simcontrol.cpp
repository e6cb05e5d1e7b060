// The simulator's control-command reader over arbitrary bytes: any process of the user
// can write to the control socket, so any line must end in a command with the right
// number of arguments or in one fault, and what is echoed back must be plain text.
#include "FuzzCheck.h"
#include "SimControl.h"
#include "SimText.h"

namespace {

bool isPlainText(const std::string& text)
{
    for (size_t at = 0; at < text.size();) {
        const auto c = static_cast<unsigned char>(text[at]);
        const size_t length = SimText::utf8SequenceLength(text, at);
        if (length == 0 || c < 0x20 || c == 0x7f)
            return false;
        at += length;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SimControl::Args args;
    std::string error;
    const SimControl::Command* command = SimControl::parse(fuzzText(data, size), args, error);
    fuzzCheck(command ? error.empty() && args.size() >= command->minArgs && args.size() <= command->maxArgs
                      : !error.empty());
    fuzzCheck(isPlainText(SimText::printable(error)));
    return 0;
}
