// hexloom-format's work: the input through the formatter to the output, a chunk
// at a time, so memory stays the same whatever the input's size.
#pragma once

#include "Options.h"

#include <cstdio>
#include <string>

#include <unistd.h>

namespace cli {

struct Streams {
    int input = STDIN_FILENO;
    int output = STDOUT_FILENO;
    std::FILE *errors = stderr;
    std::string inputName = "standard input";
    std::string outputName = "standard output";
    // A progress line on `errors` while a large input file is read.
    bool progress = false;
};

// Returns the exit status: 0 done, 2 refused input or output (a message went to
// `errors`, on a line of its own). Nothing is written before the first chunk is
// decoded, so an input shorter than a chunk is either converted or leaves the
// output untouched; taking back a later part is the caller's job.
int formatStream(const Options &options, const Streams &streams);

} // namespace cli
