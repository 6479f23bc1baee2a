// bazi-seek: the command-line front end.
//
// Every subcommand registers itself with one call below. Failures reach main()
// as exceptions and are turned into a message on stderr and an exit status in
// one place: 0 success, 1 runtime failure, 2 usage or input error. Every
// message is one printable line: whatever of the input a message quotes is
// escaped and cut where it is quoted, and the whole line once more here.

#include "chartlib/chart_primitives.h"
#include "cli/calendar_commands.h"
#include "cli/cli_common.h"
#include "cli/places_command.h"
#include "cli/query_command.h"
#include "cli/search_commands.h"
#include "form/message_text.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <exception>
#include <iostream>
#include <string_view>

namespace {

constexpr int kExitRuntimeFailure = 1;
constexpr int kExitUsageError = 2;

void registerCommands(CLI::App& app) {
    bazi::cli::registerChartCommand(app);
    bazi::cli::registerLunarCommand(app);
    bazi::cli::registerTermsCommand(app);
    bazi::cli::registerQueryCommand(app);
    bazi::cli::registerSearchCommand(app);
    bazi::cli::registerFindCommand(app);
    bazi::cli::registerPlacesCommand(app);
}

int fail(int status, std::string_view message) {
    std::cerr << "bazi-seek: " << bazi::printableMessage(message) << '\n';
    return status;
}

// Everything written to stdout has reached it; false after a failed write (a
// full disk, a closed pipe, /dev/full).
bool stdoutWritten() {
    std::cout.flush();
    return std::cout.good() && std::fflush(stdout) == 0 && !std::ferror(stdout);
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"bazi-seek: search time by its four-pillar (八字) chart, exact to the second of "
                 "the solar terms"};
    app.require_subcommand(1);
    app.footer("Run \"bazi-seek COMMAND --help\" for the options and examples of a command.");
    registerCommands(app);

    try {
        app.parse(argc, argv);
        if (!stdoutWritten())
            return fail(kExitRuntimeFailure, "cannot write to standard output");
        return 0;
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == 0) {
            // --help: the help text is the output, and a failed write of it a failure.
            (void)app.exit(e);
            return stdoutWritten() ? 0
                                   : fail(kExitRuntimeFailure, "cannot write to standard output");
        }
        // CLI11's messages quote arguments as given; printableMessage escapes them.
        return fail(kExitUsageError,
                    std::string(e.what()) + "; run \"bazi-seek --help\" for the usage");
    } catch (const bazi::cli::InputError& e) {
        std::cout.flush();
        return fail(kExitUsageError, e.what());
    } catch (const bazi::chartlib::MissingFunctionError& e) {
        return fail(kExitRuntimeFailure, e.what());
    } catch (const std::exception& e) {
        return fail(kExitRuntimeFailure, e.what());
    }
}
