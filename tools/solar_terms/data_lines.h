#pragma once
// The committed data files of the generators (series of a theory, ΔT values):
// one record per line, blank lines and "#" comments between them.

#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <string_view>

namespace bazi::ephem {

/// Calls `read(fields, where)` for every line of `file` that is neither blank
/// nor a comment; `where` is "file:line" for the reader's messages. Throws
/// std::runtime_error("cannot read the <what> <file>") when the file cannot
/// be opened.
void forEachDataLine(
    const std::filesystem::path& file, std::string_view what,
    const std::function<void(std::istringstream& fields, const std::string& where)>& read);

} // namespace bazi::ephem
