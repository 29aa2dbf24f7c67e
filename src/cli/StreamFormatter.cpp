#include "StreamFormatter.h"

#include "ByteArrayEncoder.h"
#include "ProgressLine.h"
#include "StrictInput.h"
#include "TextCodec.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string>

namespace cli {

namespace {

constexpr std::size_t kChunkBytes = 256 * 1024;
// After "};", so that the output is a text file whose last line ends.
constexpr std::u16string_view kLastLineBreak = u"\r\n";

bool writeAll(int fd, const std::string &bytes) {
    const char *data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

struct Chunk {
    std::size_t size;
    bool endOfInput;
};

// Fills `buffer` unless the input ends first: a pipe hands over what its writer
// wrote, and a small input is seen whole, to its end, before anything is written.
std::optional<Chunk> readChunk(int fd, std::string &buffer) {
    std::size_t filled = 0;
    while (filled < buffer.size()) {
        const ssize_t got = ::read(fd, buffer.data() + filled, buffer.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            return Chunk{filled, true};
        filled += static_cast<std::size_t>(got);
    }
    return Chunk{filled, false};
}

} // namespace

int formatStream(const Options &options, const Streams &streams) {
    ProgressLine progress(streams.input, streams.progress ? streams.errors : nullptr);
    auto refuse = [&](const std::string &message) {
        progress.endLine();
        std::fprintf(streams.errors, "hexloom-format: %s\n", message.c_str());
        return 2;
    };

    TextDecoder decoder(options.utf16);
    TextEncoder encoder(options.utf16);
    StrictInput strictInput;
    formatting::ByteArrayEncoder arrayEncoder;
    const auto bytesPerLine = [&] { return options.bytesPerLine; };

    std::string inputBytes(kChunkBytes, '\0');
    std::u16string units, body;
    std::string outputBytes;
    bool started = false;
    bool endOfInput = false;
    while (!endOfInput) {
        const auto chunk = readChunk(streams.input, inputBytes);
        if (!chunk)
            return refuse("cannot read " + streams.inputName + ": " + std::strerror(errno));
        endOfInput = chunk->endOfInput;
        progress.advance(chunk->size);

        units.clear();
        const auto decodingError =
            decoder.decode({inputBytes.data(), chunk->size}, endOfInput, units);
        // What was decoded before a bad byte comes first: it may already break the rule.
        if (options.strict)
            if (const auto offense = strictInput.check(units))
                return refuse("--strict: " + *offense);
        if (decodingError)
            return refuse(options.utf16
                              ? "the UTF-16 input ends in half a code unit"
                              : "the input is not UTF-8: invalid byte sequence at byte offset " +
                                    std::to_string(decodingError->byteOffset));
        if (options.strict && endOfInput)
            if (const auto offense = strictInput.finish())
                return refuse("--strict: " + *offense);

        body.clear();
        if (!started && !units.empty()) {
            started = true;
            body = formatting::kOpening;
        }
        if (!started)
            continue;
        const std::size_t start = body.size();
        body.resize(start + formatting::ByteArrayEncoder::maxUnitsFor(units.size()) +
                    formatting::ByteArrayEncoder::kMaxFinishUnits + formatting::kClosing.size() +
                    kLastLineBreak.size());
        // Whether more follows is unknown until read() says so, so every chunk is
        // taken as going on; the separator after a text's last pair is dropped at
        // finish() all the same, and only the count of queries differs.
        char16_t *out =
            arrayEncoder.encode(units, options.upperCase, true, body.data() + start, bytesPerLine);
        if (endOfInput) {
            out = arrayEncoder.finish(out);
            out = std::copy(formatting::kClosing.begin(), formatting::kClosing.end(), out);
            out = std::copy(kLastLineBreak.begin(), kLastLineBreak.end(), out);
        }
        body.resize(static_cast<std::size_t>(out - body.data()));
        // CR is a blank, never data, so every CR in the output is a line end's.
        if (options.lineFeedOnly)
            std::erase(body, u'\r');

        outputBytes.clear();
        if (const auto error = encoder.encode(body, outputBytes))
            return refuse("the output cannot be written as UTF-8: a character outside the Basic "
                          "Multilingual Plane is split across two elements (output unit " +
                          std::to_string(error->byteOffset) + "); use --utf16");
        if (!writeAll(streams.output, outputBytes))
            return refuse("cannot write " + streams.outputName + ": " + std::strerror(errno));
    }
    return 0;
}

} // namespace cli
