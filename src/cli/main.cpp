// hexloom-format: the window's conversion for scripts and build systems.
#include "Options.h"
#include "StreamFormatter.h"

#include <cstdio>
#include <exception>
#include <unistd.h>

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
        return cli::formatStream(std::get<cli::Options>(parsed), STDIN_FILENO, STDOUT_FILENO,
                                 stderr);
    } catch (const std::exception &failure) {
        std::fprintf(stderr, "hexloom-format: %s\n", failure.what());
        return 2;
    }
}
