#include "StreamFormatter.h"

#include "ByteArrayEncoder.h"
#include "TextCodec.h"

#include <cerrno>
#include <cstring>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace cli {

namespace {

constexpr std::size_t kChunkBytes = 256 * 1024;
constexpr off_t kProgressFromBytes = 16 << 20;

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

// A progress bar on the terminal while a large file is read; silent otherwise.
class ProgressLine {
public:
    ProgressLine(int input, std::FILE *terminal) {
        struct stat status {};
        if (isatty(fileno(terminal)) && fstat(input, &status) == 0 && S_ISREG(status.st_mode) &&
            status.st_size >= kProgressFromBytes) {
            terminal_ = terminal;
            total_ = status.st_size;
        }
    }
    void advance(std::size_t bytes) {
        if (!terminal_)
            return;
        done_ += static_cast<off_t>(bytes);
        const int percentage = static_cast<int>(done_ * 100 / total_);
        if (percentage != shown_) {
            shown_ = percentage;
            constexpr int width = 30;
            const int filled = percentage * width / 100;
            std::fprintf(terminal_, "\rhexloom-format [%.*s%*s] %3d %%", filled,
                         "##############################", width - filled, "", percentage);
            std::fflush(terminal_);
        }
    }
    ~ProgressLine() {
        if (terminal_)
            std::fprintf(terminal_, "\r\033[K");
    }

private:
    std::FILE *terminal_ = nullptr;
    off_t total_ = 1;
    off_t done_ = 0;
    int shown_ = -1;
};

} // namespace

int formatStream(const Options &options, int input, int output, std::FILE *errors) {
    const off_t outputStart = lseek(output, 0, SEEK_CUR);
    auto refuse = [&](const std::string &message) {
        std::fprintf(errors, "hexloom-format: %s\n", message.c_str());
        struct stat status {};
        if (outputStart >= 0 && fstat(output, &status) == 0 && S_ISREG(status.st_mode) &&
            ftruncate(output, outputStart) != 0)
            std::fprintf(errors, "hexloom-format: the output file holds a partial array\n");
        return 2;
    };

    TextDecoder decoder(options.utf16);
    TextEncoder encoder(options.utf16);
    formatting::ByteArrayEncoder arrayEncoder;
    ProgressLine progress(input, errors);
    const auto bytesPerLine = [&] { return options.bytesPerLine; };

    std::string inputBytes(kChunkBytes, '\0');
    std::u16string units, body;
    std::string outputBytes;
    bool started = false;
    bool endOfInput = false;
    while (!endOfInput) {
        const ssize_t got = ::read(input, inputBytes.data(), inputBytes.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return refuse(std::string("cannot read standard input: ") + std::strerror(errno));
        endOfInput = got == 0;
        progress.advance(static_cast<std::size_t>(got));

        units.clear();
        if (const auto error = decoder.decode({inputBytes.data(), static_cast<std::size_t>(got)},
                                              endOfInput, units))
            return refuse(options.utf16
                              ? "the UTF-16 input ends in half a code unit"
                              : "the input is not UTF-8: invalid byte sequence at byte offset " +
                                    std::to_string(error->byteOffset));

        body.clear();
        if (!started && !units.empty()) {
            started = true;
            body = formatting::kOpening;
        }
        if (!started)
            continue;
        const std::size_t start = body.size();
        body.resize(start + formatting::ByteArrayEncoder::maxUnitsFor(units.size()) +
                    formatting::ByteArrayEncoder::kMaxFinishUnits + formatting::kClosing.size());
        // Whether more follows is unknown until read() says so, so every chunk is
        // taken as going on; the separator after a text's last pair is dropped at
        // finish() all the same, and only the count of queries differs.
        char16_t *out =
            arrayEncoder.encode(units, options.upperCase, true, body.data() + start, bytesPerLine);
        if (endOfInput) {
            out = arrayEncoder.finish(out);
            out = std::copy(formatting::kClosing.begin(), formatting::kClosing.end(), out);
        }
        body.resize(static_cast<std::size_t>(out - body.data()));

        outputBytes.clear();
        if (const auto error = encoder.encode(body, outputBytes))
            return refuse("the output cannot be written as UTF-8: a character outside the Basic "
                          "Multilingual Plane is split across two elements (output unit " +
                          std::to_string(error->byteOffset) + "); use --utf16");
        if (!writeAll(output, outputBytes))
            return refuse(std::string("cannot write standard output: ") + std::strerror(errno));
    }
    return 0;
}

} // namespace cli
