// libFuzzer target: the fast formatter must agree with the plain one on every
// text, case flag and line length, down to the query count and the progress.
#include "FormatterRun.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 5)
        return 0;
    std::int32_t bytesPerLine;
    std::memcpy(&bytesPerLine, data, 4);
    const bool upperCase = data[4] & 1;
    // Small line lengths are the interesting ones; keep most of them small.
    if (data[4] & 2)
        bytesPerLine %= 8;
    // A changing line length exercises the query's timing too.
    const bool changing = data[4] & 4;
    std::u16string text((size - 5) / 2, u'\0');
    std::memcpy(text.data(), data + 5, text.size() * 2);
    for (char16_t &c : text)
        if (!(data[4] & 8)) // mostly blanks and digits, so pairs and lines really form
            c = u"0A b\r\n\t\v\fz"[c % 11];

    int fastCalls = 0, plainCalls = 0;
    const auto fast = runFormatter(
        text, upperCase, [&] { return changing ? bytesPerLine + fastCalls++ % 3 : bytesPerLine; });
    const auto plain = reference::formatByteArray(
        text, upperCase, [&] { return changing ? bytesPerLine + plainCalls++ % 3 : bytesPerLine; });
    if (!(fast == plain))
        std::abort();
    return 0;
}
