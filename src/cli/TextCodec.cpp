#include "TextCodec.h"

#include <cstring>

namespace cli {

namespace {

enum class Stop { atEnd, invalid, cutAtEnd };

struct Decoded {
    std::size_t used; // bytes decoded; on a stop, where the offending character starts
    Stop stop;
};

// Appends the UTF-16 units of the UTF-8 in `bytes`. Refuses what RFC 3629 does:
// stray continuation bytes, overlong forms, surrogates and code points past
// U+10FFFF.
Decoded decodeUtf8(std::string_view bytes, std::u16string &units) {
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    const std::size_t size = bytes.size();
    // A byte makes at most one unit (four bytes make two), so this is room enough.
    const std::size_t start = units.size();
    units.resize(start + size);
    char16_t *out = units.data() + start;
    std::size_t i = 0;
    Stop stop = Stop::atEnd;
    while (i < size) {
        const unsigned lead = in[i];
        if (lead < 0x80) {
            *out++ = static_cast<char16_t>(lead);
            ++i;
            continue;
        }
        std::size_t length = 0;
        char32_t point = 0;
        // The second byte's range rules out overlong forms, surrogates and too large
        // code points; later bytes are any continuation byte.
        unsigned low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2, point = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3, point = lead & 0x0F;
            low = lead == 0xE0 ? 0xA0 : low;
            high = lead == 0xED ? 0x9F : high;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4, point = lead & 0x07;
            low = lead == 0xF0 ? 0x90 : low;
            high = lead == 0xF4 ? 0x8F : high;
        } else {
            stop = Stop::invalid;
            break;
        }
        std::size_t k = 1;
        for (; k < length && i + k < size; ++k) {
            const unsigned next = in[i + k];
            if (next < low || next > high)
                break;
            low = 0x80, high = 0xBF;
            point = point << 6 | (next & 0x3F);
        }
        if (k < length) {
            stop = i + k == size ? Stop::cutAtEnd : Stop::invalid;
            break;
        }
        if (point < 0x10000) {
            *out++ = static_cast<char16_t>(point);
        } else {
            point -= 0x10000;
            *out++ = static_cast<char16_t>(0xD800 | point >> 10);
            *out++ = static_cast<char16_t>(0xDC00 | (point & 0x3FF));
        }
        i += length;
    }
    units.resize(static_cast<std::size_t>(out - units.data()));
    return {i, stop};
}

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Appends the UTF-8 of `units`; returns the index of a surrogate half without its
// partner beside it, if there is one, having encoded what stands before it.
std::optional<std::size_t> encodeUtf8(std::u16string_view units, std::string &bytes) {
    const std::size_t start = bytes.size();
    bytes.resize(start + units.size() * 3);
    char *out = bytes.data() + start;
    std::optional<std::size_t> lone;
    for (std::size_t i = 0; i < units.size(); ++i) {
        char32_t point = units[i];
        if (point < 0x80) {
            *out++ = static_cast<char>(point);
            continue;
        }
        if (isHighSurrogate(units[i]) && i + 1 < units.size() && isLowSurrogate(units[i + 1])) {
            point = 0x10000 + ((point - 0xD800) << 10 | (units[i + 1] - 0xDC00));
            ++i;
        } else if (isHighSurrogate(units[i]) || isLowSurrogate(units[i])) {
            lone = i;
            break;
        }
        if (point < 0x800) {
            *out++ = static_cast<char>(0xC0 | point >> 6);
        } else if (point < 0x10000) {
            *out++ = static_cast<char>(0xE0 | point >> 12);
            *out++ = static_cast<char>(0x80 | (point >> 6 & 0x3F));
        } else {
            *out++ = static_cast<char>(0xF0 | point >> 18);
            *out++ = static_cast<char>(0x80 | (point >> 12 & 0x3F));
            *out++ = static_cast<char>(0x80 | (point >> 6 & 0x3F));
        }
        *out++ = static_cast<char>(0x80 | (point & 0x3F));
    }
    bytes.resize(static_cast<std::size_t>(out - bytes.data()));
    return lone;
}

} // namespace

TextDecoder::TextDecoder(bool utf16)
    : utf16_(utf16) {}

void TextDecoder::dropByteOrderMark(std::u16string &units, std::size_t start) {
    if (!atStart_ || units.size() == start)
        return;
    atStart_ = false;
    if (units[start] == u'\uFEFF')
        units.erase(start, 1);
}

std::size_t TextDecoder::takeUtf16ByteOrderMark() {
    if (!atStart_ || carry_.size() < 2)
        return 0;
    atStart_ = false;
    if (carry_.starts_with("\xFE\xFF"))
        bigEndian_ = true;
    else if (!carry_.starts_with("\xFF\xFE"))
        return 0;
    return 2;
}

std::optional<CodecError> TextDecoder::decode(std::string_view bytes, bool endOfInput,
                                              std::u16string &units) {
    carry_.append(bytes);
    std::size_t used = 0;
    const std::size_t start = units.size();
    if (utf16_) {
        const std::size_t mark = takeUtf16ByteOrderMark();
        const std::size_t count = (carry_.size() - mark) / 2;
        units.resize(start + count);
        std::memcpy(units.data() + start, carry_.data() + mark, count * 2);
        if (bigEndian_)
            for (auto unit = units.begin() + static_cast<std::ptrdiff_t>(start);
                 unit != units.end(); ++unit)
                *unit = static_cast<char16_t>(*unit << 8 | *unit >> 8);
        used = mark + count * 2;
    } else {
        const Decoded result = decodeUtf8(carry_, units);
        used = result.used;
        dropByteOrderMark(units, start);
        if (result.stop == Stop::invalid)
            return CodecError{consumed_ + used};
    }
    consumed_ += used;
    carry_.erase(0, used);
    if (endOfInput && !carry_.empty())
        return CodecError{consumed_};
    return std::nullopt;
}

TextEncoder::TextEncoder(bool utf16)
    : utf16_(utf16) {}

std::optional<CodecError> TextEncoder::encode(std::u16string_view units, std::string &bytes) {
    if (utf16_) {
        bytes.append(reinterpret_cast<const char *>(units.data()), units.size() * 2);
        return std::nullopt;
    }
    // A lone half at the very end of a chunk is still an error: the formatter hands
    // over whole elements, and both halves of a character stand in one element.
    if (const auto lone = encodeUtf8(units, bytes))
        return CodecError{converted_ + *lone};
    converted_ += units.size();
    return std::nullopt;
}

} // namespace cli
