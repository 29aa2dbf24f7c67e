// What every file the program opens is opened with: kept from child processes
// and, on Windows, read and written as bytes rather than as text, so that CR LF
// passes unchanged.
#pragma once

#include <fcntl.h>

namespace cli {

#ifdef _WIN32
inline constexpr int kOpenFlags = O_NOINHERIT | O_BINARY;
#else
inline constexpr int kOpenFlags = O_CLOEXEC;
#endif

} // namespace cli
