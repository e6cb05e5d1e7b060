// The simulator's reader of stored settings over arbitrary bytes: a state file can be
// damaged or replaced by anyone who can write the directory, so any content must end in
// settings or in one plain line saying why it was kept aside.
#include "FuzzCheck.h"
#include "SimPreferences.h"
#include "SimText.h"

#include <map>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::map<MarlixCode, SimValue> values;
    std::string why;
    const bool ok = SimPreferences::decode(fuzzText(data, size), values, why);
    // A verdict that contradicts itself, or raw bytes on their way to a terminal.
    fuzzCheck(ok == why.empty() && why == SimText::printable(why));
    return 0;
}
