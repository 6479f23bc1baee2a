// bazi-seek: the command-line front end.
#include <CLI/CLI.hpp>

int main(int argc, char** argv) {
    CLI::App app{"bazi-seek: search two-hour moments by their four-pillar chart"};
    app.require_subcommand(1);
    CLI11_PARSE(app, argc, argv);
    return 0;
}
