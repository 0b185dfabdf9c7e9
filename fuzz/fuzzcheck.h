// What the fuzz targets share: a broken property stops the run with the reason, so libFuzzer
// keeps the input and the corpus replay fails on it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize);

// The first byte of an input picks the engine settings; the rest is the text.
struct FuzzInput {
    std::uint8_t nSettings = 0;
    std::string strText;
};

inline FuzzInput SplitFuzzInput(const std::uint8_t* pData, std::size_t nSize) {
    FuzzInput input;
    if (nSize == 0) return input;
    input.nSettings = pData[0];
    input.strText.assign(reinterpret_cast<const char*>(pData + 1), nSize - 1);
    return input;
}
