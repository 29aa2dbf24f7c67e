// hexloom-format: the window's conversion for scripts and build systems.
#include "OpenFlags.h"
#include "Options.h"
#include "OutputFile.h"
#include "ProgressLine.h"
#include "SignalCleanup.h"
#include "StreamFormatter.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

#ifdef _WIN32
#include <io.h>
#endif

namespace {

int fail(const std::string &message) {
    std::fprintf(stderr, "hexloom-format: %s\n", message.c_str());
    return 2;
}

int run(const cli::Options &options) {
#ifdef _WIN32
    // Windows' standard streams start in text mode, which would double CR LF on
    // output and drop CR and stop at Ctrl+Z on input.
    _setmode(STDIN_FILENO, _O_BINARY);
    _setmode(STDOUT_FILENO, _O_BINARY);
#endif
    cli::Streams streams;
    if (options.input != cli::kStandardStream) {
        streams.input = open(options.input.c_str(), O_RDONLY | cli::kOpenFlags);
        if (streams.input < 0)
            return fail("cannot open '" + options.input + "': " + std::strerror(errno));
        streams.inputName = "'" + options.input + "'";
    }
    cli::signalCleanup::install();
    const auto output = options.output == cli::kStandardStream
                            ? std::make_unique<cli::OutputFile>()
                            : std::make_unique<cli::OutputFile>(options.output);
    streams.output = output->fd();
    streams.outputName = output->name();
    streams.progress = cli::progressWanted(STDERR_FILENO, output->fd());

    if (cli::formatStream(options, streams) != 0) {
        if (const auto warning = output->abandon())
            fail(*warning);
        return 2;
    }
    if (const auto error = output->commit())
        return fail(*error);
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    const auto parsed = cli::parseCommandLine({argv + 1, argv + argc});
    if (std::holds_alternative<cli::HelpRequested>(parsed)) {
        std::fputs(cli::kUsage, stdout);
        return 0;
    }
    if (const auto *error = std::get_if<cli::UsageError>(&parsed)) {
        std::fprintf(stderr, "hexloom-format: %s\n\n%s", error->message.c_str(), cli::kUsage);
        return 2;
    }
    try {
        return run(std::get<cli::Options>(parsed));
    } catch (const std::exception &failure) {
        return fail(failure.what());
    }
}
