// hexloom-format's work: standard input through the formatter to standard
// output, a chunk at a time, so memory stays the same whatever the input's size.
#pragma once

#include "Options.h"

#include <cstdio>

namespace cli {

// Returns the exit status: 0 done, 2 refused input or output (a message went to
// `errors`). A refusal after output began truncates a regular output file back
// to where it stood; a pipe keeps the part already written.
int formatStream(const Options &options, int input, int output, std::FILE *errors);

} // namespace cli
