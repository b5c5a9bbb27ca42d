#pragma once

// The file source of the system the program is built for.
#ifdef _WIN32
#include "platform/win32_file_source.h"
namespace lumio {
using NativeFileSource = Win32FileSource;
}
#else
#include "platform/posix_file_source.h"
namespace lumio {
using NativeFileSource = PosixFileSource;
}
#endif
