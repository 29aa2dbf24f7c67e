#include "ProgressLine.h"

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

namespace cli {

namespace {

constexpr off_t kProgressFromBytes = 16 << 20;

bool isSameTerminal(int a, int b) {
    struct stat first {
    }, second{};
    return isatty(a) && isatty(b) && fstat(a, &first) == 0 && fstat(b, &second) == 0 &&
           first.st_rdev == second.st_rdev;
}

} // namespace

bool progressWanted(int errors, int output) {
    return isatty(errors) && !isSameTerminal(errors, output);
}

ProgressLine::ProgressLine(int input, std::FILE *terminal) {
    struct stat status {};
    if (terminal && fstat(input, &status) == 0 && S_ISREG(status.st_mode) &&
        status.st_size >= kProgressFromBytes) {
        terminal_ = terminal;
        total_ = status.st_size;
    }
}

void ProgressLine::advance(std::size_t bytes) {
    if (!terminal_)
        return;
    done_ += static_cast<off_t>(bytes);
    // A file that grows while it is read would pass 100 %.
    const int percentage = static_cast<int>(std::min<off_t>(done_ * 100 / total_, 100));
    if (percentage != shown_) {
        shown_ = percentage;
        constexpr int width = 30;
        const int filled = percentage * width / 100;
        std::fprintf(terminal_, "\rhexloom-format [%.*s%*s] %3d %%", filled,
                     "##############################", width - filled, "", percentage);
        std::fflush(terminal_);
    }
}

void ProgressLine::endLine() {
    if (terminal_ && shown_ >= 0)
        std::fputc('\n', terminal_);
    terminal_ = nullptr;
}

ProgressLine::~ProgressLine() {
    if (terminal_ && shown_ >= 0)
        std::fputs("\r\033[K", terminal_);
}

} // namespace cli
