// Runs hexloom-format's stream work as a shell pipeline would: the input written
// into a pipe a piece at a time, the output read from a pipe, the messages kept.
#pragma once

#include "Options.h"
#include "StreamFormatter.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include <unistd.h>

struct ToolResult {
    int status;
    std::string output;
    std::string errors;
};

inline ToolResult runThroughPipes(const std::string &input, const cli::Options &options,
                                  std::size_t piece = 64 * 1024) {
    // A tool that refuses its input stops reading it; the writer then gets EPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    int in[2], out[2];
    if (pipe(in) != 0 || pipe(out) != 0)
        std::abort();
    std::thread writer([&] {
        for (std::size_t at = 0; at < input.size(); at += piece) {
            const std::string part = input.substr(at, piece);
            if (::write(in[1], part.data(), part.size()) != ssize_t(part.size()))
                break; // the tool stopped reading: it refused the input
        }
        close(in[1]);
    });
    std::string output;
    std::thread reader([&] {
        char buffer[65536];
        for (ssize_t got; (got = ::read(out[0], buffer, sizeof buffer)) > 0;)
            output.append(buffer, std::size_t(got));
    });
    char *errorText = nullptr;
    std::size_t errorSize = 0;
    cli::Streams streams;
    streams.input = in[0];
    streams.output = out[1];
    streams.errors = open_memstream(&errorText, &errorSize);
    const int status = cli::formatStream(options, streams);
    std::fclose(streams.errors);
    close(in[0]);
    close(out[1]);
    writer.join();
    reader.join();
    close(out[0]);
    ToolResult result{status, output, errorText};
    std::free(errorText);
    return result;
}
