#pragma once
// Registration of the span commands of bazi-seek: search (every span of a
// stretch of time whose chart meets the conditions) and find (the spans of a
// chart).

namespace CLI {
class App;
}

namespace bazi::cli {

void registerSearchCommand(CLI::App& app);
void registerFindCommand(CLI::App& app);

} // namespace bazi::cli
