// The gazetteer finds the places users type, in Chinese and in English. The
// coordinates are GeoNames' (libgeonames 0.3.0); they are checked to 0.1°.

#include "places/gazetteer.h"

#include <gtest/gtest.h>

namespace bazi {
namespace {

TEST(Gazetteer, FindsThePlacesUsersType) {
    struct Case {
        const char* query;
        const char* zone;
        const char* clockZone;
        double longitude;
    } const cases[] = {
        {"乌鲁木齐", "Asia/Urumqi", "Asia/Shanghai", 87.60},
        {"成都", "Asia/Shanghai", "Asia/Shanghai", 104.07},
        {"北京", "Asia/Shanghai", "Asia/Shanghai", 116.40},
        {"香港", "Asia/Hong_Kong", "Asia/Hong_Kong", 114.17},
        {"台北", "Asia/Taipei", "Asia/Taipei", 121.53},
        {"哈尔滨", "Asia/Shanghai", "Asia/Shanghai", 126.65},
        {"New York", "America/New_York", "America/New_York", -74.01},
        {"London", "Europe/London", "Europe/London", -0.13},
        {"Urumqi", "Asia/Urumqi", "Asia/Shanghai", 87.60},
        {"chengdu", "Asia/Shanghai", "Asia/Shanghai", 104.07},
        {"伦敦", "Europe/London", "Europe/London", -0.13},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.query);
        const std::vector<Place> found = findPlaces(c.query);
        ASSERT_FALSE(found.empty());
        EXPECT_EQ(found[0].zone, c.zone);
        EXPECT_EQ(found[0].clockZone, c.clockZone);
        EXPECT_NEAR(found[0].longitude, c.longitude, 0.1);
        EXPECT_FALSE(found[0].name.empty());
        EXPECT_FALSE(found[0].country.empty());
    }
    // Names come in Chinese where the gazetteer has them.
    EXPECT_EQ(findPlaces("Chengdu").at(0).name, "成都");
    EXPECT_EQ(findPlaces("Urumqi").at(0).countryCode, "CN");
}

TEST(Gazetteer, SeveralMatchesAndTheLimit) {
    const std::vector<Place> london = findPlaces("London");
    ASSERT_GE(london.size(), 2u);
    EXPECT_EQ(london[0].zone, "Europe/London");
    EXPECT_EQ(findPlaces("London", 1).size(), 1u);
    EXPECT_TRUE(findPlaces("London", 0).empty());
}

TEST(Gazetteer, NothingForBlankOverlongOrUnknownNames) {
    EXPECT_TRUE(findPlaces("").empty());
    EXPECT_TRUE(findPlaces("   ").empty());
    EXPECT_TRUE(findPlaces(std::string(201, 'a')).empty());
    EXPECT_TRUE(findPlaces("Qqqxzzy").empty());
    EXPECT_TRUE(findPlaces(std::string("\xff\xfe")).empty());
    // A zero byte would cut the name short in the gazetteer's C interface.
    EXPECT_TRUE(findPlaces(std::string("Harbin\0xyz", 10)).empty());
    EXPECT_TRUE(findPlaces(std::string("Harbin\xe5", 7)).empty()); // a cut-off character
}

TEST(Gazetteer, ClockZoneOfAPlace) {
    EXPECT_EQ(clockZoneOfPlace("CN", "Asia/Urumqi"), "Asia/Shanghai");
    EXPECT_EQ(clockZoneOfPlace("CN", "Asia/Shanghai"), "Asia/Shanghai");
    EXPECT_EQ(clockZoneOfPlace("HK", "Asia/Hong_Kong"), "Asia/Hong_Kong");
    EXPECT_EQ(clockZoneOfPlace("US", "America/New_York"), "America/New_York");
}

} // namespace
} // namespace bazi
