#pragma once
// Registration of the calendar subcommands of bazi-seek: chart, lunar, terms.
// Each adds its subcommand, options and callback to the application; the
// callback runs the command once the whole command line has been parsed.

namespace CLI {
class App;
}

namespace bazi::cli {

void registerChartCommand(CLI::App& app);
void registerLunarCommand(CLI::App& app);
void registerTermsCommand(CLI::App& app);

} // namespace bazi::cli
