// Text from outside (profiles, state files, control clients) on its way to a terminal.
#pragma once

#include <string>

class SimText
{
public:
    // Control characters, DEL and bytes that are not UTF-8 become \xNN; keepNewlines
    // leaves line ends alone for multi-line output.
    static std::string printable(const std::string& text, bool keepNewlines = false);
    // The length of the valid UTF-8 sequence at text[at], or 0 when there is none.
    static size_t utf8SequenceLength(const std::string& text, size_t at);
};
