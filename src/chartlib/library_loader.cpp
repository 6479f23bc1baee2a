#include "chartlib/library_loader.h"

#include "chartlib/chart_primitives.h"

#include <string>
#include <system_error>

#if defined(_WIN32)
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <dlfcn.h>
#if defined(__APPLE__)
#include <cstdint>
#include <mach-o/dyld.h>
#include <vector>
#endif
#endif

namespace bazi::chartlib {

namespace {

#if defined(_WIN32)
using LibraryHandle = HMODULE;

[[nodiscard]] LibraryHandle openLibrary(const std::filesystem::path& path) {
    // The altered search path makes the library's own dependencies resolve from its folder.
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

[[nodiscard]] void* findSymbol(LibraryHandle library, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(library, name));
}
#else
using LibraryHandle = void*;

[[nodiscard]] LibraryHandle openLibrary(const std::filesystem::path& path) {
    return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}

[[nodiscard]] void* findSymbol(LibraryHandle library, const char* name) {
    return dlsym(library, name);
}
#endif

// The loaded library; throws (and is retried at the next call) when it cannot be loaded.
[[nodiscard]] LibraryHandle libraryFor(const char* exportName) {
    static const LibraryHandle library = [exportName] {
        const std::filesystem::path folder = executableDirectory();
        LibraryHandle handle = folder.empty() ? nullptr : openLibrary(folder / libraryFileName());
        if (handle == nullptr) {
            throw MissingFunctionError(std::string(libraryFileName()), exportName);
        }
        return handle;
    }();
    return library;
}

} // namespace

std::filesystem::path executableDirectory() {
#if defined(_WIN32)
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            return std::filesystem::path(buffer).parent_path();
        }
        buffer.resize(buffer.size() * 2);
    }
#elif defined(__APPLE__)
    std::uint32_t size = 0;
    _NSGetExecutablePath(nullptr, &size);
    std::vector<char> buffer(size + 1, '\0');
    if (_NSGetExecutablePath(buffer.data(), &size) != 0) {
        return {};
    }
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::weakly_canonical(buffer.data(), error);
    return error ? std::filesystem::path(buffer.data()).parent_path() : exe.parent_path();
#else
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path{} : exe.parent_path();
#endif
}

void* resolveExport(const char* exportName) {
    void* address = findSymbol(libraryFor(exportName), exportName);
    if (address == nullptr) {
        throw MissingFunctionError(std::string(libraryFileName()), exportName);
    }
    return address;
}

} // namespace bazi::chartlib
