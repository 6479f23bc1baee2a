#pragma once
// Loading the chart primitives library and looking up its exports.
//
// The library is taken from the directory of the running executable only, by an
// absolute path: never from the working directory or a search path, so a stray
// file elsewhere can never be loaded in its place.

#include <filesystem>

namespace bazi::chartlib {

/// The directory of the running executable (from /proc/self/exe on Linux,
/// GetModuleFileNameW on Windows, _NSGetExecutablePath on macOS), or an empty
/// path when the platform cannot tell.
[[nodiscard]] std::filesystem::path executableDirectory();

/// The address of the library's export `exportName` (UTF-8). Loads the library
/// at the first call and keeps it loaded; thread-safe. Throws
/// MissingFunctionError when the library cannot be loaded or has no such export.
[[nodiscard]] void* resolveExport(const char* exportName);

} // namespace bazi::chartlib
