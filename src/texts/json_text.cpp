#include "texts/json_text.h"

#include "utf8/utf8.h"

namespace bazi {
namespace {

// True when `text` can stand between JSON quotes as it is: well-formed UTF-8
// without quotes, backslashes or control characters.
bool isPlainJsonText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            if (lead < 0x20 || lead == '"' || lead == '\\')
                return false;
            ++i;
            continue;
        }
        const Utf8Char c = decodeUtf8(text, i);
        if (!c.ok())
            return false;
        i += c.length;
    }
    return true;
}

void appendJsonInt(std::string& out, std::string_view key, int value) {
    appendJsonKey(out, key);
    out += std::to_string(value);
}

void appendJsonBool(std::string& out, std::string_view key, bool value) {
    appendJsonKey(out, key);
    out += value ? "true" : "false";
}

} // namespace

void appendJsonLine(std::string& out, const nlohmann::ordered_json& value) {
    if (value.is_object()) {
        out += '{';
        bool first = true;
        for (const auto& [key, item] : value.items()) {
            if (!first)
                out += ", ";
            first = false;
            appendJsonString(out, key);
            out += ": ";
            appendJsonLine(out, item);
        }
        out += '}';
    } else if (value.is_array()) {
        out += '[';
        bool first = true;
        for (const auto& item : value) {
            if (!first)
                out += ", ";
            first = false;
            appendJsonLine(out, item);
        }
        out += ']';
    } else if (value.is_string()) {
        appendJsonString(out, value.get_ref<const std::string&>());
    } else {
        // Numbers, booleans and null as nlohmann writes them.
        out += value.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    }
}

void appendJsonString(std::string& out, std::string_view text) {
    if (!isPlainJsonText(text)) {
        // Invalid UTF-8 from an argument becomes U+FFFD rather than an error.
        out += nlohmann::ordered_json(std::string(text))
                   .dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
        return;
    }
    out += '"';
    out += text;
    out += '"';
}

void appendJsonKey(std::string& out, std::string_view key) {
    if (!out.empty() && out.back() != '{')
        out += ", ";
    appendJsonString(out, key);
    out += ": ";
}

std::string jsonLine(const nlohmann::ordered_json& value) {
    std::string out;
    appendJsonLine(out, value);
    return out;
}

void appendLunarJson(std::string& out, const LunarDate& lunar, CivilDate date) {
    out += '{';
    appendJsonInt(out, "year", lunar.year);
    appendJsonInt(out, "month", lunar.month);
    appendJsonInt(out, "day", lunar.day);
    appendJsonBool(out, "leap", lunar.leap);
    if (isReckonedLunarDate(date))
        appendJsonBool(out, "reckoned", true);
    out += '}';
}

} // namespace bazi
