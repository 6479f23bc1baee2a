#pragma once
// Runs the bazi-seek executable with arguments and collects what it printed.

#include <string>

namespace bazi::test {

struct CliResult {
    int exitCode = -1;
    std::string out; // stdout
    std::string err; // stderr
};

/// Runs `BAZI_SEEK_EXE arguments` through the shell; `arguments` is shell text,
/// quoted as on a command line. With `inputCommand`, its output is piped to
/// bazi-seek's standard input (`inputCommand | bazi-seek arguments`); `setup`
/// runs first in the same shell (`ulimit -v 32768`). `executable` replaces
/// BAZI_SEEK_EXE.
[[nodiscard]] CliResult runBaziSeek(const std::string& arguments,
                                    const std::string& inputCommand = {},
                                    const std::string& setup = {},
                                    const std::string& executable = BAZI_SEEK_EXE);

} // namespace bazi::test
