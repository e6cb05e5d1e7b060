// What most fuzz targets need besides their parser: the input as text, and a broken
// promise stopping the run where the fuzzer and the sanitizer build see it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

inline void fuzzCheck(bool promiseHolds)
{
    if (!promiseHolds)
        __builtin_trap();
}

inline std::string fuzzText(const uint8_t* data, size_t size)
{
    return std::string(reinterpret_cast<const char*>(data), size);
}
