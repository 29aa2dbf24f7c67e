// Where the array goes, and how a failed run takes back what it wrote.
//
// Standard output is written as the shell opened it. On a failure, a regular
// file is cut back to the length it had: what an appending run added goes, what
// was there before stays. A named regular file is written beside itself under a
// temporary name and replaces the file only once complete, so an error or a
// signal leaves it as it was. A named device or pipe is written as it stands.
#pragma once

#include <optional>
#include <string>

#include <sys/types.h>

namespace cli {

class OutputFile {
public:
    static constexpr int kStandardOutput = 1;

    // Standard output, or `fd` in its place.
    explicit OutputFile(int fd = kStandardOutput);
    // A named file. Throws std::runtime_error, with the reason, when it cannot be
    // created.
    explicit OutputFile(const std::string &path);
    ~OutputFile();
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    int fd() const { return fd_; }
    // For messages: "standard output" or the name in quotes.
    const std::string &name() const { return name_; }

    // Makes the output final; returns why that failed, if it did.
    [[nodiscard]] std::optional<std::string> commit();
    // Takes back what this run wrote, as far as it can; returns a warning when
    // part of the array stays behind in a file.
    [[nodiscard]] std::optional<std::string> abandon();

private:
    // Closes a descriptor this object opened; false when the close reports an error.
    bool closeOwnDescriptor();

    int fd_ = -1;
    bool ownsFd_ = false;
    std::string name_;
    // A named regular file: the file replaced, and the temporary written instead.
    std::string target_;
    std::string temporary_;
    // A regular standard output: where this run's bytes start, and the length to
    // cut back to (its length at start or, if that is further, the start).
    off_t start_ = -1;
    off_t keep_ = -1;
    bool finished_ = false;
};

} // namespace cli
