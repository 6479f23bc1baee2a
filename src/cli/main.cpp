// bazi-seek: the command-line front end.
//
// Every subcommand registers itself with one call below. Failures reach main()
// as exceptions and are turned into a message on stderr and an exit status in
// one place: 0 success, 1 runtime failure, 2 usage or input error.

#include "chartlib/chart_primitives.h"
#include "cli/calendar_commands.h"
#include "cli/cli_common.h"
#include "cli/places_command.h"
#include "cli/query_command.h"
#include "cli/search_commands.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <exception>
#include <iostream>

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

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"bazi-seek: search two-hour moments by their four-pillar (八字) chart"};
    app.require_subcommand(1);
    app.footer("Run \"bazi-seek COMMAND --help\" for the options and examples of a command.");
    registerCommands(app);

    try {
        app.parse(argc, argv);
        std::fflush(stdout);
        if (std::ferror(stdout)) {
            std::cerr << "bazi-seek: cannot write to standard output\n";
            return kExitRuntimeFailure;
        }
        return 0;
    } catch (const CLI::ParseError& e) {
        // --help prints and gives 0; every other parse error is a usage error.
        const int code = app.exit(e);
        return code == 0 ? 0 : kExitUsageError;
    } catch (const bazi::cli::InputError& e) {
        std::cout.flush();
        std::cerr << "bazi-seek: " << e.what() << '\n';
        return kExitUsageError;
    } catch (const bazi::chartlib::MissingFunctionError& e) {
        std::cerr << "bazi-seek: " << e.what() << '\n';
        return kExitRuntimeFailure;
    } catch (const std::exception& e) {
        std::cerr << "bazi-seek: " << e.what() << '\n';
        return kExitRuntimeFailure;
    }
}
