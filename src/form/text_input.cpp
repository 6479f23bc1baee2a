#include "form/text_input.h"

#include "form/message_text.h"
#include "utf8/utf8.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <system_error>

#if defined(_WIN32)
#include <filesystem>
#include <fstream>
#include <iostream>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace bazi {

namespace {

constexpr std::size_t kChunkBytes = 1 << 16;

[[nodiscard]] std::string systemErrorText(int error) {
    return std::generic_category().message(error);
}

[[noreturn]] void refuseTooLarge(const std::string& source, std::size_t maxBytes) {
    throw TextInputError(TextInputProblem::tooLarge, source,
                         "is larger than " + std::to_string(maxBytes) +
                             " bytes, the most this input may hold");
}

[[noreturn]] void refuseUnopenable(const std::string& source, int error) {
    throw TextInputError(TextInputProblem::unreadable, source,
                         "cannot open: " + systemErrorText(error));
}

[[noreturn]] void refuseUnreadable(const std::string& source, int error) {
    throw TextInputError(TextInputProblem::unreadable, source,
                         "cannot be read: " + systemErrorText(error));
}

[[noreturn]] void refuseNotFound(const std::string& source) {
    throw TextInputError(TextInputProblem::notFound, source,
                         "cannot open: no such file; check the path");
}

[[noreturn]] void refuseNotRegular(const std::string& source, bool directory) {
    throw TextInputError(TextInputProblem::notARegularFile, source,
                         directory ? "is a directory, not a file"
                                   : "is not a regular file (a device, pipe or socket); to read "
                                     "a stream, give \"-\" and send it to standard input");
}

#if !defined(_WIN32)

// A file descriptor closed when it goes out of scope.
class OpenFile {
public:
    explicit OpenFile(int fd) : m_fd(fd) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    [[nodiscard]] int fd() const { return m_fd; }

private:
    int m_fd;
};

// Reads `fd` to its end, at most maxBytes + 1 bytes: one byte past the bound
// is enough to know the input is too large.
[[nodiscard]] std::string readBounded(int fd, std::size_t maxBytes, const std::string& source) {
    std::string text;
    std::array<char, kChunkBytes> buffer{};
    for (;;) {
        const std::size_t wanted = std::min(buffer.size(), maxBytes + 1 - text.size());
        const ssize_t n = ::read(fd, buffer.data(), wanted);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            refuseUnreadable(source, errno);
        }
        if (n == 0)
            return text;
        text.append(buffer.data(), static_cast<std::size_t>(n));
        if (text.size() > maxBytes)
            refuseTooLarge(source, maxBytes);
    }
}

[[nodiscard]] std::string readFile(const std::string& path, std::size_t maxBytes,
                                   const std::string& source) {
    // Looked at before opening: opening a device can have effects of its own,
    // and opening a pipe waits for a writer.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            refuseNotFound(source);
        refuseUnopenable(source, errno);
    }
    if (!S_ISREG(info.st_mode))
        refuseNotRegular(source, S_ISDIR(info.st_mode));
    if (info.st_size < 0 || static_cast<std::uintmax_t>(info.st_size) > maxBytes)
        refuseTooLarge(source, maxBytes);

    const OpenFile file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.fd() < 0)
        refuseUnopenable(source, errno);
    // And looked at again once open, in case the name was pointed elsewhere in between.
    if (::fstat(file.fd(), &info) != 0)
        refuseUnreadable(source, errno);
    if (!S_ISREG(info.st_mode))
        refuseNotRegular(source, S_ISDIR(info.st_mode));
    // The size is not trusted any further: files such as those of /proc say 0.
    return readBounded(file.fd(), maxBytes, source);
}

[[nodiscard]] std::string readStandardInput(std::size_t maxBytes, const std::string& source) {
    return readBounded(STDIN_FILENO, maxBytes, source);
}

#else

[[nodiscard]] std::string readBounded(std::istream& in, std::size_t maxBytes,
                                      const std::string& source) {
    std::string text;
    std::array<char, kChunkBytes> buffer{};
    while (in) {
        const std::size_t wanted = std::min(buffer.size(), maxBytes + 1 - text.size());
        in.read(buffer.data(), static_cast<std::streamsize>(wanted));
        text.append(buffer.data(), static_cast<std::size_t>(in.gcount()));
        if (text.size() > maxBytes)
            refuseTooLarge(source, maxBytes);
    }
    if (in.bad())
        refuseUnreadable(source, EIO);
    return text;
}

[[nodiscard]] std::string readFile(const std::string& path, std::size_t maxBytes,
                                   const std::string& source) {
    namespace fs = std::filesystem;
    const fs::path name(std::u8string(path.begin(), path.end()));
    std::error_code error;
    const fs::file_status status = fs::status(name, error);
    if (status.type() == fs::file_type::not_found)
        refuseNotFound(source);
    if (error)
        refuseUnopenable(source, error.value());
    if (status.type() != fs::file_type::regular)
        refuseNotRegular(source, status.type() == fs::file_type::directory);
    const std::uintmax_t size = fs::file_size(name, error);
    if (!error && size > maxBytes)
        refuseTooLarge(source, maxBytes);
    std::ifstream in(name, std::ios::binary);
    if (!in)
        refuseUnopenable(source, EACCES);
    return readBounded(in, maxBytes, source);
}

[[nodiscard]] std::string readStandardInput(std::size_t maxBytes, const std::string& source) {
    return readBounded(std::cin, maxBytes, source);
}

#endif

} // namespace

TextInputError::TextInputError(TextInputProblem problem, std::string source,
                               const std::string& detail)
    : std::runtime_error(source + ": " + detail), m_problem(problem), m_source(std::move(source)) {}

std::string inputSourceName(std::string_view path) {
    return path == kStandardInputName ? std::string("standard input") : quotedForMessage(path);
}

std::string readTextInput(std::string_view path, std::size_t maxBytes) {
    const std::string source = inputSourceName(path);
    // A path is handed to the system as a zero-terminated text: one with a NUL
    // byte inside would name another file.
    if (path.find('\0') != std::string_view::npos)
        refuseNotFound(source);
    std::string text = path == kStandardInputName ? readStandardInput(maxBytes, source)
                                                  : readFile(std::string(path), maxBytes, source);
    checkTextInput(text, maxBytes, source);
    return text;
}

void checkTextInput(std::string_view text, std::size_t maxBytes, const std::string& source) {
    if (text.size() > maxBytes)
        refuseTooLarge(source, maxBytes);
    if (const auto nul = text.find('\0'); nul != std::string_view::npos)
        throw TextInputError(TextInputProblem::nulByte, source,
                             "holds a NUL byte at byte " + std::to_string(nul + 1) +
                                 "; it is not text");
    if (const auto bad = firstInvalidUtf8(text); bad != std::string_view::npos) {
        constexpr std::string_view kHex = "0123456789abcdef";
        const auto byte = static_cast<unsigned char>(text[bad]);
        throw TextInputError(TextInputProblem::notUtf8, source,
                             std::string("is not UTF-8 text: byte ") + std::to_string(bad + 1) +
                                 " (0x" + kHex[byte >> 4] + kHex[byte & 0xFU] +
                                 ") does not begin or continue a well-formed character");
    }
}

} // namespace bazi
