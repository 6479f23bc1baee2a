#include "places/gazetteer.h"

#include <geonames.h>
#include <libintl.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <stdexcept>

namespace bazi {

namespace {

constexpr std::size_t kMaxQueryBytes = 200;
// The gazetteer's own error texts are quoted in ours, cut to this length.
constexpr std::size_t kMaxErrorBytes = 200;

// libgeonames translates its city names with gettext (domain "geonames", one
// catalogue per language under /usr/share/locale). Its Chinese names are found
// and returned only when the message language is Chinese and the catalogue is
// delivered as UTF-8 whatever LC_CTYPE says.
void useChineseNames() {
    static std::once_flag once;
    std::call_once(once, [] {
        ::setenv("LANGUAGE", "zh:zh_CN:zh_TW", 1);
        const char* messages = std::setlocale(LC_MESSAGES, nullptr);
        // gettext ignores LANGUAGE under the "C" locale; C.UTF-8 is built into glibc.
        if (messages == nullptr || std::strcmp(messages, "C") == 0 ||
            std::strcmp(messages, "POSIX") == 0)
            std::setlocale(LC_MESSAGES, "C.UTF-8");
        ::bind_textdomain_codeset("geonames", "UTF-8");
    });
}

std::string text(const gchar* s) {
    return s ? std::string(s) : std::string();
}

bool isBlank(std::string_view s) {
    return s.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

} // namespace

std::string clockZoneOfPlace(std::string_view countryCode, std::string_view zone) {
    if (countryCode == "CN")
        return "Asia/Shanghai";
    return std::string(zone);
}

std::vector<Place> findPlaces(std::string_view query, std::size_t limit) {
    // The C interface would read a query with a zero byte as cut there, and GLib
    // expects UTF-8: such a query names no place.
    if (query.size() > kMaxQueryBytes || isBlank(query) || limit == 0 ||
        query.find('\0') != std::string_view::npos ||
        !g_utf8_validate(query.data(), static_cast<gssize>(query.size()), nullptr))
        return {};
    useChineseNames();
    const std::string q(query);
    guint count = 0;
    GError* error = nullptr;
    gint* indices =
        geonames_query_cities_sync(q.c_str(), GEONAMES_QUERY_DEFAULT, &count, nullptr, &error);
    if (error != nullptr) {
        std::string message = error->message ? error->message : "unknown error";
        g_error_free(error);
        if (message.size() > kMaxErrorBytes)
            message.resize(kMaxErrorBytes); // front ends escape what they show of it

        throw std::runtime_error("the gazetteer (libgeonames) failed: " + message);
    }
    std::vector<Place> places;
    for (guint k = 0; k < count && places.size() < limit; ++k) {
        GeonamesCity* city = geonames_get_city(indices[k]);
        if (city == nullptr)
            continue;
        Place p;
        p.name = text(geonames_city_get_name(city));
        p.state = text(geonames_city_get_state(city));
        p.country = text(geonames_city_get_country(city));
        p.countryCode = text(geonames_city_get_country_code(city));
        p.zone = text(geonames_city_get_timezone(city));
        p.clockZone = clockZoneOfPlace(p.countryCode, p.zone);
        p.latitude = geonames_city_get_latitude(city);
        p.longitude = geonames_city_get_longitude(city);
        p.population = geonames_city_get_population(city);
        geonames_city_free(city);
        // A place is good for its longitude: one off the globe is no place.
        if (!std::isfinite(p.longitude) || p.longitude < -180.0 || p.longitude > 180.0)
            continue;
        places.push_back(std::move(p));
    }
    g_free(indices);
    return places;
}

} // namespace bazi
