#include "form/form_state_json.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <map>
#include <set>

namespace bazi {
namespace {

using Json = nlohmann::ordered_json;

std::string inQuotes(std::string_view s) {
    return "\"" + std::string(s) + "\"";
}

// "0..6: -, 不指定, 金, 水, 木, 火, 土"
std::string listDescription(ItemList list) {
    const auto items = itemsOf(list);
    std::string text = "0.." + std::to_string(items.size() - 1) + ":";
    for (std::size_t k = 0; k < items.size(); ++k)
        text += (k == 0 ? " " : ", ") + std::string(items[k]);
    return text;
}

const ControlSpec& controlSpecOf(std::string_view name, std::optional<ControlSpec>& holder) {
    holder = findControl(name);
    if (!holder)
        throw FormStateError("unknown control " + inQuotes(name) +
                             " (names are those of the form, e.g. 组合框_行1, 单选框2, 选择框1)");
    return *holder;
}

std::optional<int> decimalIndex(std::string_view text) {
    int n = 0;
    if (text.empty() || text.size() > 4)
        return std::nullopt;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return n;
}

std::optional<int> itemIndexOf(ItemList list, std::string_view text) {
    const auto items = itemsOf(list);
    for (std::size_t k = 0; k < items.size(); ++k)
        if (items[k] == text)
            return static_cast<int>(k);
    return std::nullopt;
}

void checkIndex(std::string_view name, ItemList list, long long index) {
    const auto size = static_cast<long long>(itemsOf(list).size());
    if (index < 0 || index >= size)
        throw FormStateError(std::string(name) + ": index " + std::to_string(index) +
                             " is not in its list (" + listDescription(list) + ")");
}

[[noreturn]] void notAnItem(std::string_view name, ItemList list, std::string_view text) {
    throw FormStateError(std::string(name) + ": " + inQuotes(text) +
                         " is not an item of its list (" + listDescription(list) + ")");
}

// Applies one batch of settings (the "controls" of a file, or the --set
// options) and refuses two radio boxes of one set given true in it.
class Batch {
public:
    explicit Batch(FormState& form) : m_form(form) {}

    void selectIndex(std::string_view name, const ControlSpec& spec, long long index) {
        checkIndex(name, *spec.items, index);
        m_form.select(name, static_cast<int>(index));
    }

    void setBox(std::string_view name, const ControlSpec& spec, bool checked) {
        if (checked && spec.radioOption) {
            const auto set = std::make_pair(static_cast<int>(spec.group), spec.row);
            const auto [it, fresh] = m_trueRadio.emplace(set, std::string(name));
            if (!fresh && it->second != name)
                throw FormStateError(std::string(name) + ": " + it->second +
                                     " of the same radio set " +
                                     "is also given true; at most one box of a set can be checked");
        }
        m_form.setChecked(name, checked);
    }

private:
    FormState& m_form;
    std::map<std::pair<int, int>, std::string> m_trueRadio;
};

void applyJsonControl(Batch& batch, const std::string& name, const Json& value) {
    std::optional<ControlSpec> holder;
    const ControlSpec& spec = controlSpecOf(name, holder);
    if (spec.kind == ControlKind::comboBox) {
        if (value.is_number_integer()) {
            batch.selectIndex(name, spec, value.get<long long>());
        } else if (value.is_string()) {
            const auto text = value.get<std::string>();
            const auto index = itemIndexOf(*spec.items, text);
            if (!index)
                notAnItem(name, *spec.items, text);
            batch.selectIndex(name, spec, *index);
        } else {
            throw FormStateError(name + ": a combo box takes an item index (a whole number) or " +
                                 "the text of an item, not " + value.dump());
        }
        return;
    }
    if (!value.is_boolean())
        throw FormStateError(name + ": a check or radio box takes true or false, not " +
                             value.dump());
    batch.setBox(name, spec, value.get<bool>());
}

} // namespace

std::optional<CivilDate> parseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto number = [&](std::size_t at, std::size_t len) -> std::optional<int> {
        int n = 0;
        const char* first = text.data() + at;
        for (std::size_t k = 0; k < len; ++k)
            if (first[k] < '0' || first[k] > '9')
                return std::nullopt;
        std::from_chars(first, first + len, n);
        return n;
    };
    const auto y = number(0, 4), m = number(5, 2), d = number(8, 2);
    if (!y || !m || !d)
        return std::nullopt;
    const CivilDate date{*y, *m, *d};
    return date.ok() ? std::optional<CivilDate>(date) : std::nullopt;
}

FormState formStateFromJson(std::string_view jsonText, bool dateRequired) {
    Json doc;
    try {
        // A key given twice in one object would silently keep only the last
        // value; it is refused instead.
        std::vector<std::set<std::string>> keysOfOpenObjects;
        const auto refuseRepeatedKeys = [&](int, Json::parse_event_t event, Json& parsed) {
            if (event == Json::parse_event_t::object_start)
                keysOfOpenObjects.emplace_back();
            else if (event == Json::parse_event_t::object_end && !keysOfOpenObjects.empty())
                keysOfOpenObjects.pop_back();
            else if (event == Json::parse_event_t::key && !keysOfOpenObjects.empty() &&
                     !keysOfOpenObjects.back().insert(parsed.get<std::string>()).second)
                throw FormStateError("the key " + inQuotes(parsed.get<std::string>()) +
                                     " is given twice; give each key once");
            return true;
        };
        doc = Json::parse(jsonText, refuseRepeatedKeys);
    } catch (const Json::parse_error& e) {
        throw FormStateError(std::string("malformed JSON: ") + e.what());
    }
    if (!doc.is_object())
        throw FormStateError(
            "a form state is a JSON object with the keys \"date\" and \"controls\"");

    FormState form;
    bool haveDate = false;
    for (const auto& [key, value] : doc.items()) {
        if (key == "date") {
            if (!value.is_string())
                throw FormStateError("\"date\" takes a text \"YYYY-MM-DD\", not " + value.dump());
            const auto text = value.get<std::string>();
            const auto date = parseIsoDate(text);
            if (!date)
                throw FormStateError("\"date\": " + inQuotes(text) +
                                     " is not a real date written YYYY-MM-DD");
            form.date = *date;
            haveDate = true;
        } else if (key == "controls") {
            if (!value.is_object())
                throw FormStateError("\"controls\" takes an object of control names and values");
            Batch batch(form);
            for (const auto& [name, setting] : value.items())
                applyJsonControl(batch, name, setting);
        } else if (key == "note") {
            if (!value.is_string())
                throw FormStateError("\"note\" takes a text");
        } else {
            throw FormStateError("unknown key " + inQuotes(key) +
                                 " (a form state has \"date\", \"controls\" and \"note\")");
        }
    }
    if (dateRequired && !haveDate)
        throw FormStateError("the form state has no \"date\" (give \"date\": \"YYYY-MM-DD\")");
    return form;
}

ControlSetting parseControlSetting(std::string_view text) {
    const auto eq = text.find('=');
    if (eq == std::string_view::npos || eq == 0)
        throw FormStateError(inQuotes(text) + " is not NAME=VALUE");
    return {std::string(text.substr(0, eq)), std::string(text.substr(eq + 1))};
}

void applyControlSettings(FormState& form, const std::vector<ControlSetting>& settings) {
    Batch batch(form);
    for (const ControlSetting& s : settings) {
        std::optional<ControlSpec> holder;
        const ControlSpec& spec = controlSpecOf(s.name, holder);
        if (spec.kind == ControlKind::comboBox) {
            if (const auto index = itemIndexOf(*spec.items, s.value))
                batch.selectIndex(s.name, spec, *index);
            else if (const auto n = decimalIndex(s.value))
                batch.selectIndex(s.name, spec, *n);
            else
                notAnItem(s.name, *spec.items, s.value);
            continue;
        }
        if (s.value == "true" || s.value == "1")
            batch.setBox(s.name, spec, true);
        else if (s.value == "false" || s.value == "0")
            batch.setBox(s.name, spec, false);
        else
            throw FormStateError(s.name + ": a check or radio box takes true, false, 1 or 0, not " +
                                 inQuotes(s.value));
    }
}

} // namespace bazi
