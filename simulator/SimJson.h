// JSON from outside (profiles, stored settings) with its faults said in one plain line.
// Nesting is bounded before any document is built: merging and copying documents
// recurse, and a file of a few kilobytes could otherwise exhaust the stack.
#pragma once

#include <nlohmann/json.hpp>

#include <string>

class SimJson
{
public:
    static constexpr int kMaxDepth = 64;

    // False with error naming the fault; value is then discarded.
    static bool parse(const std::string& text, nlohmann::json& value, std::string& error);
};
