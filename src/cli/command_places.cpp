// bazi-seek places: the places a name finds in the gazetteer, with the
// longitude and zone --place would take from them.

#include "cli/cli_common.h"
#include "cli/places_command.h"
#include "places/gazetteer.h"

#include <CLI/CLI.hpp>

#include <cmath>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

namespace bazi::cli {

namespace {

struct PlacesOptions {
    std::string name;  // NAME
    int limit = 20;    // --limit
    bool json = false; // --json
};

std::string degrees(double value, const char* positive, const char* negative) {
    char text[32];
    std::snprintf(text, sizeof text, "%s %.4f°", value < 0 ? negative : positive, std::abs(value));
    return text;
}

std::string textLine(const Place& p) {
    std::string line = p.name;
    for (const std::string* part : {&p.state, &p.country})
        if (!part->empty())
            line += " · " + *part;
    line += "  " + degrees(p.longitude, "东经", "西经") + "  " +
            degrees(p.latitude, "北纬", "南纬") + "  时区 " + p.zone;
    if (p.clockZone != p.zone)
        line += "（钟表按 " + p.clockZone + "）";
    return line;
}

std::string jsonLineOf(const Place& p) {
    nlohmann::ordered_json j;
    j["name"] = p.name;
    j["state"] = p.state;
    j["country"] = p.country;
    j["countryCode"] = p.countryCode;
    j["longitude"] = p.longitude;
    j["latitude"] = p.latitude;
    j["zone"] = p.zone;
    j["clockZone"] = p.clockZone;
    j["population"] = p.population;
    return jsonLine(j);
}

void runPlaces(const PlacesOptions& options) {
    const std::vector<Place> places =
        findPlaces(options.name, static_cast<std::size_t>(options.limit));
    OutputBuffer out;
    for (const Place& p : places)
        out.line(options.json ? jsonLineOf(p) : textLine(p));
    out.flush();
    if (places.empty()) {
        std::fflush(stdout);
        std::cerr << "bazi-seek: no place in the gazetteer matches that name; try the city's "
                     "Chinese or English name (成都, Chengdu)\n";
    }
}

} // namespace

void registerPlacesCommand(CLI::App& app) {
    auto options = std::make_shared<PlacesOptions>();
    CLI::App* command = app.add_subcommand(
        "places", "The places a name finds in the gazetteer, with longitude and time zone");
    command->add_option("NAME", options->name, "A city's name or its start, Chinese or English")
        ->required();
    command->add_option("--limit", options->limit, "At most this many places (default 20)")
        ->check(CLI::Range(1, 1000));
    command->add_flag("--json", options->json,
                      "One JSON object per place: name, state, country, countryCode, longitude, "
                      "latitude, zone, clockZone, population");
    command->footer(R"(The gazetteer is Debian's libgeonames (GeoNames cities of about 15,000
people and more, with translated names), closest matches first. --place NAME
takes the first: its longitude for --solar-time, and unless --tz is given its
clock zone, the place's own zone except in mainland China, whose clocks keep
Beijing time (Asia/Shanghai) in every province. The exit status is 0 whether
or not a place matched (a message on stderr says when none did).

Examples:
  bazi-seek places 乌鲁木齐
  bazi-seek places "New York" --json
  bazi-seek places London --limit 3)");
    command->callback([options] { runPlaces(*options); });
}

} // namespace bazi::cli
