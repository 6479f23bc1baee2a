#include "cli_run.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include <sys/wait.h>
#include <unistd.h>

namespace bazi::test {

CliResult runBaziSeek(const std::string& arguments, const std::string& inputCommand,
                      const std::string& setup, const std::string& executable) {
    char errPath[] = "/tmp/bazi_cli_test_XXXXXX";
    const int fd = mkstemp(errPath);
    if (fd >= 0)
        close(fd);
    const std::string command = (setup.empty() ? "" : setup + "; ") +
                                (inputCommand.empty() ? "" : "(" + inputCommand + ") | ") + "\"" +
                                executable + "\" " + arguments + " 2>" + errPath;
    CliResult result;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[65536];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            result.out.append(buffer, n);
        const int status = pclose(pipe);
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::ifstream err(errPath);
    std::ostringstream text;
    text << err.rdbuf();
    result.err = text.str();
    std::remove(errPath);
    return result;
}

} // namespace bazi::test
