// FormatByteArray: a text of hexadecimal digit pairs in, the source of a C byte
// array out. A pure function: no state between calls, no Qt, any thread.
#pragma once

#include "ByteArrayEncoder.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace formatting {

// Every character but the five blanks is data; pairs are written behind "0x" and
// the case flag maps only a-z / A-Z. `bytesPerLine()` is asked once per separator;
// `onStart()` is called once for a non-empty text; `onProgress(p)` gets the
// integer percentage of positions done each time it rises, ending with 100.
// An empty text gives no output (std::nullopt), which differs from any output.
// Throws std::bad_alloc or std::length_error when the output cannot be held.
template <class BytesPerLineQuery, class StartNotification, class ProgressNotification>
[[nodiscard]] std::optional<std::u16string>
FormatByteArray(std::u16string_view text, bool upperCase, BytesPerLineQuery &&bytesPerLine,
                StartNotification &&onStart, ProgressNotification &&onProgress) {
    if (text.empty())
        return std::nullopt;
    onStart();

    const std::size_t length = text.size();
    // Far beyond any memory, and it keeps the size and the percentages below from
    // overflowing: 100 times the length still fits.
    if (length > (std::numeric_limits<std::size_t>::max() - 99) / 100)
        throw std::length_error("text too long to format");
    const std::size_t capacity = kOpening.size() + ByteArrayEncoder::maxUnitsFor(length) +
                                 ByteArrayEncoder::kMaxFinishUnits + kClosing.size();

    std::u16string result;
    std::exception_ptr failure;
    // The buffer is filled straight from the text; pages past the real output are never touched.
    result.resize_and_overwrite(capacity, [&](char16_t *begin, std::size_t) noexcept {
        try {
            char16_t *out = std::copy(kOpening.begin(), kOpening.end(), begin);
            ByteArrayEncoder encoder;
            // Positions are encoded in runs that end where the percentage next rises,
            // so progress costs one comparison per run instead of one per position.
            unsigned lastPercentage = 0;
            std::size_t done = 0;
            while (done < length) {
                const auto nextRise =
                    static_cast<std::size_t>(((lastPercentage + 1) * length + 99) / 100);
                const std::size_t runEnd = std::max(nextRise, done + 1);
                out = encoder.encode(text.substr(done, runEnd - done), upperCase, runEnd < length,
                                     out, bytesPerLine);
                done = runEnd;
                const auto percentage = static_cast<unsigned>(done * 100 / length);
                if (percentage > lastPercentage) {
                    lastPercentage = percentage;
                    onProgress(static_cast<int>(percentage));
                }
            }
            out = encoder.finish(out);
            out = std::copy(kClosing.begin(), kClosing.end(), out);
            return static_cast<std::size_t>(out - begin);
        } catch (...) {
            failure = std::current_exception();
            return std::size_t{0};
        }
    });
    if (failure)
        std::rethrow_exception(failure);
    return result;
}

} // namespace formatting
