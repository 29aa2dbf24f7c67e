// The byte-array body, written chunk by chunk: pairs of data characters become
// elements, with separators and line breaks between them. FormatByteArray runs
// it over one whole text; hexloom-format streams standard input through it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace formatting {

inline constexpr std::u16string_view kOpening = u"const byte code[] = {\r\n\t";
inline constexpr std::u16string_view kClosing = u"\r\n};";

class ByteArrayEncoder {
public:
    // Most units encode() writes for a chunk of `positions` code units: every
    // element takes at most 4 units plus a separator with its line break, 5.
    [[nodiscard]] static constexpr std::size_t maxUnitsFor(std::size_t positions) {
        return (positions / 2 + 1) * 9;
    }
    // Most units finish() writes.
    static constexpr std::size_t kMaxFinishUnits = 4;

    // Encodes one chunk into `out`, which must have room for maxUnitsFor(chunk.size()),
    // and returns the end of what was written. `textGoesOn` tells whether more
    // positions follow this chunk in the text; a separator is counted, and the
    // bytes-per-line query asked, only for a pair that is not at the text's last position.
    template <class BytesPerLineQuery>
    char16_t *encode(std::u16string_view chunk, bool upperCase, bool textGoesOn, char16_t *out,
                     BytesPerLineQuery &&bytesPerLine);

    // Writes the left-over character of an odd text, if any. A separator still
    // pending (the text ended in blanks after a pair) is dropped, never written.
    char16_t *finish(char16_t *out);

private:
    enum class Separator : std::uint8_t { None, Plain, WithLineBreak };

    static constexpr bool isBlank(char16_t c) {
        constexpr std::uint64_t blanks =
            (1ull << u' ') | (1ull << u'\t') | (1ull << u'\v') | (1ull << u'\r') | (1ull << u'\n');
        return c <= u' ' && ((blanks >> c) & 1u) != 0;
    }
    static constexpr char16_t convertCase(char16_t c, bool upperCase) {
        if (upperCase)
            return static_cast<char16_t>(static_cast<unsigned>(c - u'a') < 26u ? c - 0x20 : c);
        return static_cast<char16_t>(static_cast<unsigned>(c - u'A') < 26u ? c + 0x20 : c);
    }
    char16_t *writePendingSeparator(char16_t *out);
    static char16_t *writeElement(char16_t *out, char16_t first, char16_t second) {
        const char16_t element[] = {u'0', u'x', first, second};
        std::memcpy(out, element, sizeof element);
        return out + 4;
    }
    void countSeparator(std::int32_t bytesPerLine);

    char16_t pendingCharacter_ = 0;
    bool hasPendingCharacter_ = false;
    Separator pendingSeparator_ = Separator::None;
    std::uint32_t separatorCount_ = 0;
    // separatorCount_ modulo lineLength_, kept so that a steady line length costs no division.
    std::uint32_t lineLength_ = 0;
    std::uint32_t separatorsInLine_ = 0;
};

inline char16_t *ByteArrayEncoder::writePendingSeparator(char16_t *out) {
    // Always stores the longest form and keeps what the separator needs: no branch
    // per element on the hot path. Every caller has room for it.
    static constexpr char16_t longest[] = {u',', u' ', u'\r', u'\n', u'\t'};
    static constexpr std::uint8_t kept[] = {0, 2, 5};
    std::memcpy(out, longest, sizeof longest);
    out += kept[static_cast<int>(pendingSeparator_)];
    pendingSeparator_ = Separator::None;
    return out;
}

inline void ByteArrayEncoder::countSeparator(std::int32_t bytesPerLine) {
    // A line length of 0 has no line breaks, like a negative one: as an unsigned
    // number that is at least 2^31, which no text reaches.
    const auto length = static_cast<std::uint32_t>(bytesPerLine);
    if (length != lineLength_) {
        lineLength_ = length;
        separatorsInLine_ = length == 0 ? 0 : separatorCount_ % length;
    }
    ++separatorCount_;
    ++separatorsInLine_;
    const bool lineIsFull = length != 0 && separatorsInLine_ == length;
    if (lineIsFull)
        separatorsInLine_ = 0;
    pendingSeparator_ = lineIsFull ? Separator::WithLineBreak : Separator::Plain;
}

template <class BytesPerLineQuery>
char16_t *ByteArrayEncoder::encode(std::u16string_view chunk, bool upperCase, bool textGoesOn,
                                   char16_t *out, BytesPerLineQuery &&bytesPerLine) {
    const char16_t *const end = chunk.data() + chunk.size();
    const char16_t *const lastOfText = textGoesOn ? nullptr : end - 1;
    const char16_t *position = chunk.data();
    for (; position != end; ++position) {
        const char16_t c = *position;
        if (isBlank(c))
            continue;
        if (!hasPendingCharacter_) {
            // Dumps mostly hold their pairs side by side: take both at once.
            if (position + 1 != end && !isBlank(position[1])) {
                out = writePendingSeparator(out);
                out = writeElement(out, convertCase(c, upperCase),
                                   convertCase(position[1], upperCase));
                if (++position != lastOfText)
                    countSeparator(static_cast<std::int32_t>(bytesPerLine()));
                continue;
            }
            pendingCharacter_ = convertCase(c, upperCase);
            hasPendingCharacter_ = true;
            continue;
        }
        out = writePendingSeparator(out);
        out = writeElement(out, pendingCharacter_, convertCase(c, upperCase));
        hasPendingCharacter_ = false;
        if (position != lastOfText)
            countSeparator(static_cast<std::int32_t>(bytesPerLine()));
    }
    return out;
}

inline char16_t *ByteArrayEncoder::finish(char16_t *out) {
    if (hasPendingCharacter_) {
        out = writePendingSeparator(out);
        out = writeElement(out, u'0', pendingCharacter_);
        hasPendingCharacter_ = false;
    }
    pendingSeparator_ = Separator::None;
    return out;
}

} // namespace formatting
