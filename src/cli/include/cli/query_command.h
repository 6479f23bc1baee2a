#pragma once
// Registration of `bazi-seek query`: runs the form's query from a form state.

namespace CLI {
class App;
}

namespace bazi::cli {

void registerQueryCommand(CLI::App& app);

} // namespace bazi::cli
