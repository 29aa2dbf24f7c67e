#include "OutputFile.h"

#include "OpenFlags.h"
#include "SignalCleanup.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#endif

namespace cli {

namespace {

std::string quoted(const std::string &path) {
    return "'" + path + "'";
}

std::runtime_error systemError(const std::string &what) {
    return std::runtime_error(what + ": " + std::strerror(errno));
}

#ifdef _WIN32
// Links are rare on Windows and need rights to make: the path is taken as it is.
std::string followLink(const std::string &path) {
    return path;
}

// Windows' rename() refuses to replace a file.
int replaceFile(const char *from, const char *to) {
    if (MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return 0;
    errno = EACCES;
    return -1;
}
#else
// A link is followed, so that the file it names is replaced and the link stays.
std::string followLink(const std::string &path) {
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
        return path;
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

mode_t newFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

int replaceFile(const char *from, const char *to) {
    return rename(from, to);
}
#endif

} // namespace

OutputFile::OutputFile(int fd)
    : fd_(fd)
    , name_("standard output") {
    struct stat status {};
    if (fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode))
        return;
#ifdef _WIN32
    // Windows cannot tell whether a descriptor appends: the cut is made from where
    // the output stood.
    start_ = lseek(fd_, 0, SEEK_CUR);
#else
    // An appending descriptor writes at the end whatever its offset says.
    const int flags = fcntl(fd_, F_GETFL);
    start_ = flags >= 0 && (flags & O_APPEND) ? status.st_size : lseek(fd_, 0, SEEK_CUR);
#endif
    if (start_ < 0)
        return;
    keep_ = std::max(start_, status.st_size);
    signalCleanup::truncateFile(fd_, keep_);
}

OutputFile::OutputFile(const std::string &path)
    : name_(quoted(path))
    , target_(followLink(path)) {
    struct stat status {};
    const bool exists = stat(target_.c_str(), &status) == 0;
    if (exists && !S_ISREG(status.st_mode)) {
        fd_ = open(target_.c_str(), O_WRONLY | kOpenFlags);
        if (fd_ < 0)
            throw systemError("cannot open " + name_);
        ownsFd_ = true;
        return;
    }
#ifdef _WIN32
    const std::size_t folderEnd = target_.find_last_of("/\\:") + 1; // 0 without a folder
#else
    const std::size_t folderEnd = target_.rfind('/') + 1; // 0 when there is no slash
#endif
    temporary_ = target_.substr(0, folderEnd) + "." + target_.substr(folderEnd) + ".XXXXXX";
#ifdef _WIN32
    fd_ = mkstemp(temporary_.data());
#else
    fd_ = mkostemp(temporary_.data(), O_CLOEXEC);
#endif
    if (fd_ < 0)
        throw systemError("cannot create a temporary file beside " + name_);
    ownsFd_ = true;
    signalCleanup::removeFile(temporary_.c_str());
#ifdef _WIN32
    // The array's CR LF must reach the file as written; permissions stay Windows'.
    _setmode(fd_, _O_BINARY);
    (void)exists;
#else
    if (fchmod(fd_, exists ? status.st_mode & 07777 : newFileMode()) != 0) {
        const auto error = systemError("cannot set the permissions of a file beside " + name_);
        (void)abandon();
        throw error;
    }
#endif
}

OutputFile::~OutputFile() {
    if (!finished_)
        (void)abandon();
}

bool OutputFile::closeOwnDescriptor() {
    if (!ownsFd_ || fd_ < 0)
        return true;
    const bool closed = close(fd_) == 0;
    fd_ = -1;
    return closed;
}

std::optional<std::string> OutputFile::commit() {
    finished_ = true;
    if (temporary_.empty()) {
        signalCleanup::clear();
        if (!closeOwnDescriptor())
            return "cannot write " + name_ + ": " + std::strerror(errno);
        return std::nullopt;
    }
    // On disk before it takes the file's name, so that a crash leaves the old file.
#ifdef _WIN32
    const bool synced = _commit(fd_) == 0;
#else
    const bool synced = fsync(fd_) == 0;
#endif
    if (!synced || !closeOwnDescriptor()) {
        std::string error = "cannot write " + name_ + ": " + std::strerror(errno);
        (void)abandon();
        return error;
    }
    const signalCleanup::Deferred deferred;
    if (replaceFile(temporary_.c_str(), target_.c_str()) != 0) {
        std::string error = "cannot replace " + name_ + ": " + std::strerror(errno);
        (void)abandon();
        return error;
    }
    signalCleanup::clear();
    return std::nullopt;
}

std::optional<std::string> OutputFile::abandon() {
    finished_ = true;
    if (!temporary_.empty()) {
        closeOwnDescriptor();
        const signalCleanup::Deferred deferred;
        unlink(temporary_.c_str());
        signalCleanup::clear();
        return std::nullopt;
    }
    signalCleanup::clear();
    std::optional<std::string> warning;
    struct stat status {};
    if (keep_ >= 0 && fstat(fd_, &status) == 0 && status.st_size > keep_ &&
        ftruncate(fd_, keep_) != 0)
        warning = "the output file holds a partial array";
    // Opened for reading and writing without truncation, the output was written
    // over the old contents: what was there is gone, and the part written stays.
    else if (keep_ >= 0 && start_ < keep_ && lseek(fd_, 0, SEEK_CUR) > start_)
        warning = "the output file holds a partial array over its old contents";
    closeOwnDescriptor();
    return warning;
}

} // namespace cli
