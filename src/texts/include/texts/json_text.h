#pragma once
// JSON written as the listings write it: one value per line, a space after
// every ":" and ",", text left as UTF-8 and escaped only where JSON requires.
// Listings of fixed shape are written member by member, without building a
// JSON value per line.

#include "calendar/gregorian.h"
#include "calendar/lunar_calendar.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

namespace bazi {

/// A JSON value on one line with a space after every ":" and ",":
/// {"year": 2016, "n": 1, "name": "小寒"}. Text stays UTF-8, unescaped.
[[nodiscard]] std::string jsonLine(const nlohmann::ordered_json& value);
/// The same, appended to `out`.
void appendJsonLine(std::string& out, const nlohmann::ordered_json& value);
/// `text` as a JSON string, quoted and escaped where JSON requires it (invalid
/// UTF-8 becoming U+FFFD), appended to `out`.
void appendJsonString(std::string& out, std::string_view text);
/// `"key": ` appended to `out`, preceded by ", " unless `out` ends with "{".
void appendJsonKey(std::string& out, std::string_view key);

/// A lunar date as an object, {"year": 2015, "month": 12, "day": 26, "leap":
/// false}, with "reckoned": true added when the lunar date of `date` is the
/// astronomical reckoning (isReckonedLunarDate).
void appendLunarJson(std::string& out, const LunarDate& lunar, CivilDate date);

} // namespace bazi
