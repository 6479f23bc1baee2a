#pragma once
// Places by name: the cities of Debian's libgeonames (GeoNames cities of about
// 15,000 people and more, with translated names), their longitude and time
// zone. Chinese names (乌鲁木齐, 台北) are found as well as English ones.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace bazi {

struct Place {
    std::string name;        // in Chinese where the gazetteer has a Chinese name
    std::string state;       // province or state
    std::string country;     // country name
    std::string countryCode; // ISO 3166 two letters: "CN", "HK", "US"
    std::string zone;        // the gazetteer's IANA zone: "Asia/Urumqi"
    std::string clockZone;   // the zone a birth clock there is read in (see clockZoneOfPlace)
    double latitude = 0;     // degrees, north positive
    double longitude = 0;    // degrees, east positive
    unsigned population = 0;
};

/// The zone a clock at the place kept: its own zone, except in mainland China
/// (country code CN), whose clocks keep Beijing time in every province:
/// Asia/Shanghai, with its summer time of 1986-1991, also for Xinjiang, whose
/// tz zone Asia/Urumqi follows the unofficial UTC+6.
[[nodiscard]] std::string clockZoneOfPlace(std::string_view countryCode, std::string_view zone);

/// The places whose name (in English, in Chinese, or the start of either) matches
/// `query`, in the gazetteer's order (the closest matches first), at most
/// `limit`. An empty or blank query, one over 200 bytes, or one that is not
/// UTF-8 or holds a zero byte finds nothing; a place whose longitude is not
/// on the globe is left out.
/// The first call sets the process's gettext message language so that the
/// gazetteer's Chinese names are used (LANGUAGE=zh:zh_CN:zh_TW, LC_MESSAGES
/// C.UTF-8 when it was "C"); call it first from one thread.
[[nodiscard]] std::vector<Place> findPlaces(std::string_view query, std::size_t limit = 20);

} // namespace bazi
