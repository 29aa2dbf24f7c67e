// A progress bar on the terminal while a large input file is read.
#pragma once

#include <cstddef>
#include <cstdio>

#include <sys/types.h>

namespace cli {

// Whether a progress line belongs on `errors`: it must be a terminal, and not the
// terminal the array itself is printed on, where the bar would mix into the array.
[[nodiscard]] bool progressWanted(int errors, int output);

class ProgressLine {
public:
    // Silent unless `terminal` is given and `input` is a regular file of 16 MiB or more.
    ProgressLine(int input, std::FILE *terminal);
    ~ProgressLine();
    ProgressLine(const ProgressLine &) = delete;
    ProgressLine &operator=(const ProgressLine &) = delete;

    void advance(std::size_t bytes);
    // Leaves the bar where it stands and moves to a new line, for a message to
    // follow; the bar is not drawn again.
    void endLine();

private:
    std::FILE *terminal_ = nullptr;
    off_t total_ = 1;
    off_t done_ = 0;
    int shown_ = -1;
};

} // namespace cli
