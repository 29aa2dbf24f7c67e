#include "TextCodec.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <type_traits>

namespace cli {

namespace {

iconv_t openIconv(const char *to, const char *from) {
    const iconv_t handle = iconv_open(to, from);
    if (handle == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    return handle;
}

// Runs iconv over `input` into `output`, growing it; returns where it stopped and why.
struct Converted {
    std::size_t used;
    int error; // 0, EILSEQ or EINVAL
};

Converted convert(iconv_t handle, const char *input, std::size_t size, std::string &output) {
    char *in = const_cast<char *>(input);
    std::size_t inLeft = size;
    while (inLeft > 0) {
        const std::size_t start = output.size();
        output.resize(start + inLeft * 4 + 16);
        char *out = output.data() + start;
        std::size_t outLeft = output.size() - start;
        const std::size_t result = iconv(handle, &in, &inLeft, &out, &outLeft);
        output.resize(output.size() - outLeft);
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG)
            return {size - inLeft, errno};
    }
    return {size, 0};
}

// Dumps are ASCII: their bytes widen and narrow directly, and only the rest goes
// through iconv.
template <class Unit> std::size_t asciiPrefix(const Unit *units, std::size_t size) {
    std::size_t i = 0;
    while (i < size && static_cast<std::make_unsigned_t<Unit>>(units[i]) < 0x80)
        ++i;
    return i;
}

} // namespace

TextDecoder::TextDecoder(bool utf16)
    : utf16_(utf16)
    , toUtf16_(utf16 ? nullptr : openIconv("UTF-16LE", "UTF-8")) {}

TextDecoder::~TextDecoder() {
    if (toUtf16_)
        iconv_close(toUtf16_);
}

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
        const std::size_t ascii = asciiPrefix(carry_.data(), carry_.size());
        units.append(carry_.begin(), carry_.begin() + static_cast<std::ptrdiff_t>(ascii));
        std::string converted;
        const Converted result =
            convert(toUtf16_, carry_.data() + ascii, carry_.size() - ascii, converted);
        used = ascii + result.used;
        const std::size_t convertedStart = units.size();
        units.resize(convertedStart + converted.size() / 2);
        std::memcpy(units.data() + convertedStart, converted.data(),
                    converted.size() & ~std::size_t{1});
        dropByteOrderMark(units, start);
        if (result.error == EILSEQ)
            return CodecError{consumed_ + used};
    }
    consumed_ += used;
    carry_.erase(0, used);
    if (endOfInput && !carry_.empty())
        return CodecError{consumed_};
    return std::nullopt;
}

TextEncoder::TextEncoder(bool utf16)
    : utf16_(utf16)
    , toUtf8_(utf16 ? nullptr : openIconv("UTF-8", "UTF-16LE")) {}

TextEncoder::~TextEncoder() {
    if (toUtf8_)
        iconv_close(toUtf8_);
}

std::optional<CodecError> TextEncoder::encode(std::u16string_view units, std::string &bytes) {
    const char *raw = reinterpret_cast<const char *>(units.data());
    const std::size_t size = units.size() * 2;
    if (utf16_) {
        bytes.append(raw, size);
        return std::nullopt;
    }
    const std::size_t ascii = asciiPrefix(units.data(), units.size());
    bytes.append(units.begin(), units.begin() + static_cast<std::ptrdiff_t>(ascii));
    const Converted result = convert(toUtf8_, raw + ascii * 2, size - ascii * 2, bytes);
    // A lone half at the very end of a chunk is still an error: the formatter hands
    // over whole elements, and both halves of a character stand in one element.
    if (result.error != 0)
        return CodecError{converted_ + ascii + result.used / 2};
    converted_ += units.size();
    return std::nullopt;
}

} // namespace cli
