// Random hex-dump text as pasted from a debugger: 32 blank-separated pairs a line.
#pragma once

#include <cstddef>
#include <random>
#include <string>

inline std::u16string makeHexDump(std::size_t units) {
    static constexpr char16_t digits[] = u"0123456789ABCDEF";
    std::mt19937 random(42);
    std::u16string text;
    text.reserve(units);
    int pairsInLine = 0;
    while (text.size() + 3 <= units) {
        const auto byte = random();
        text += digits[byte & 15];
        text += digits[(byte >> 4) & 15];
        if (++pairsInLine == 32) {
            text += u"\r\n";
            pairsInLine = 0;
        } else {
            text += u' ';
        }
    }
    return text;
}
