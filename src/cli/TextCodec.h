// Input bytes to UTF-16 code units and back, a chunk at a time: UTF-8, refusing
// what is not UTF-8, or UTF-16 as it stands. The UTF-8 codec is our own, so that
// Linux and Windows read and write text alike. A leading byte-order mark is an
// encoding marker, not text: it is dropped, and in UTF-16 it says which byte
// order the rest has.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cli {

struct CodecError {
    std::uint64_t byteOffset; // in the whole stream
};

class TextDecoder {
public:
    explicit TextDecoder(bool utf16);

    // Appends the code units of `bytes` to `units`; bytes of a character cut at the
    // chunk's end wait for the next call. `endOfInput` tells that no more bytes come.
    // Offsets count the stream's bytes, byte-order mark included.
    [[nodiscard]] std::optional<CodecError> decode(std::string_view bytes, bool endOfInput,
                                                   std::u16string &units);

private:
    void dropByteOrderMark(std::u16string &units, std::size_t start);
    std::size_t takeUtf16ByteOrderMark();

    bool utf16_;
    bool atStart_ = true;
    bool bigEndian_ = false;
    std::string carry_;
    std::uint64_t consumed_ = 0;
};

class TextEncoder {
public:
    explicit TextEncoder(bool utf16);

    // Appends the bytes of `units` to `bytes`. Fails, in UTF-8, on a surrogate half
    // that has no partner beside it; the offset then counts code units written.
    [[nodiscard]] std::optional<CodecError> encode(std::u16string_view units, std::string &bytes);

private:
    bool utf16_;
    std::uint64_t converted_ = 0;
};

} // namespace cli
