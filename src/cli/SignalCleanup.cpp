#include "SignalCleanup.h"

#include <climits>
#include <csignal>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace cli::signalCleanup {

namespace {

#ifdef _WIN32
constexpr int kSignals[] = {SIGINT, SIGTERM};
#else
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE};
#endif

// Read by the handler, so written only while the signals are held back.
char pathToRemove[PATH_MAX + 1];
int fdToTruncate = -1;
off_t lengthToKeep = 0;

#ifndef _WIN32
sigset_t cleanupSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : kSignals)
        sigaddset(&set, signal);
    return set;
}
#endif

extern "C" void undoAndDie(int signal) {
    if (pathToRemove[0] != '\0')
        unlink(pathToRemove);
    struct stat status {};
    if (fdToTruncate >= 0 && fstat(fdToTruncate, &status) == 0 && status.st_size > lengthToKeep)
        (void)ftruncate(fdToTruncate, lengthToKeep);
    // Dying of the signal tells the parent what happened, as the shell expects;
    // the signal is held during the handler and arrives as soon as it returns.
    std::signal(signal, SIG_DFL);
    raise(signal);
}

} // namespace

#ifdef _WIN32
void install() {
    for (const int signal : kSignals)
        if (std::signal(signal, undoAndDie) == SIG_IGN)
            std::signal(signal, SIG_IGN);
}
#else
void install() {
    for (const int signal : kSignals) {
        struct sigaction previous {};
        if (sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN)
            continue;
        struct sigaction action {};
        action.sa_handler = undoAndDie;
        action.sa_mask = cleanupSignals();
        sigaction(signal, &action, nullptr);
    }
}
#endif

void removeFile(const char *path) {
    const Deferred deferred;
    pathToRemove[0] = '\0';
    if (std::strlen(path) <= PATH_MAX)
        std::strcpy(pathToRemove, path);
    fdToTruncate = -1;
}

void truncateFile(int fd, off_t length) {
    const Deferred deferred;
    pathToRemove[0] = '\0';
    fdToTruncate = fd;
    lengthToKeep = length;
}

void clear() {
    const Deferred deferred;
    pathToRemove[0] = '\0';
    fdToTruncate = -1;
}

#ifdef _WIN32
Deferred::Deferred() = default;
Deferred::~Deferred() = default;
#else
Deferred::Deferred() {
    const sigset_t set = cleanupSignals();
    sigprocmask(SIG_BLOCK, &set, &saved_);
}

Deferred::~Deferred() {
    sigprocmask(SIG_SETMASK, &saved_, nullptr);
}
#endif

} // namespace cli::signalCleanup
