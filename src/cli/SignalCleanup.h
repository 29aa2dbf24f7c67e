// What SIGINT, SIGTERM, SIGHUP or SIGPIPE must undo before the program dies of
// it: remove the temporary file of a named output, or cut an output file back to
// what it held. The program then dies of the signal as it would have anyway.
// Windows knows only SIGINT (Ctrl+C) and SIGTERM here, and cannot hold them back.
#pragma once

#include <csignal>

#include <sys/types.h>

namespace cli::signalCleanup {

// Takes over the signals, except those the program was started ignoring.
void install();

// Each replaces what a signal undoes; clear() leaves nothing to undo.
void removeFile(const char *path);
void truncateFile(int fd, off_t length);
void clear();

// Holds the four signals back for its lifetime: what a signal would undo and
// what the program does in the meantime must not cross.
class Deferred {
public:
    Deferred();
    ~Deferred();
    Deferred(const Deferred &) = delete;
    Deferred &operator=(const Deferred &) = delete;

#ifndef _WIN32
private:
    sigset_t saved_;
#endif
};

} // namespace cli::signalCleanup
