#pragma once
// Registration of `bazi-seek places`: the gazetteer's places for a name.

namespace CLI {
class App;
}

namespace bazi::cli {

void registerPlacesCommand(CLI::App& app);

} // namespace bazi::cli
