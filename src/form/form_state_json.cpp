#include "form/form_state_json.h"

#include "form/iso_date_reader.h"
#include "form/message_text.h"
#include "form/text_input.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <map>
#include <set>

namespace bazi {
namespace {

using Json = nlohmann::ordered_json;

// How many characters of the JSON library's own description of a syntax error
// a message keeps; the description ends with the token it last read, which can
// be the whole of a long text.
constexpr std::size_t kLibraryMessageCharacters = 160;

// "0..6: -, 不指定, 金, 水, 木, 火, 土"
std::string listDescription(ItemList list) {
    const auto items = itemsOf(list);
    std::string text = "0.." + std::to_string(items.size() - 1) + ":";
    for (std::size_t k = 0; k < items.size(); ++k)
        text += (k == 0 ? " " : ", ") + std::string(items[k]);
    return text;
}

// A JSON value named for a message by its type; a number or literal as written
// (at most a few dozen characters), a text quoted and cut. Never the whole of
// an array or object: it may be megabytes long or thousands of levels deep.
std::string valueDescription(const Json& value) {
    switch (value.type()) {
    case Json::value_t::object: return "an object";
    case Json::value_t::array: return "an array";
    case Json::value_t::string:
        return "the text " + quotedForMessage(value.get_ref<const std::string&>());
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
    case Json::value_t::number_float: return "the number " + value.dump();
    case Json::value_t::boolean:
    case Json::value_t::null: return value.dump();
    default: return "a value of another kind";
    }
}

const ControlSpec& controlSpecOf(std::string_view name, std::optional<ControlSpec>& holder) {
    holder = findControl(name);
    if (!holder)
        throw FormStateError("unknown control " + quotedForMessage(name) +
                             " (names are those of the form, e.g. 组合框_行1, 单选框2, 选择框1)");
    return *holder;
}

// An item's index: up to four decimal digits.
std::optional<int> decimalIndex(std::string_view text) {
    const auto n = text.size() <= 4 ? parseDecimalDigits(text) : std::nullopt;
    return n ? std::optional<int>(static_cast<int>(*n)) : std::nullopt;
}

std::optional<int> itemIndexOf(ItemList list, std::string_view text) {
    const auto items = itemsOf(list);
    for (std::size_t k = 0; k < items.size(); ++k)
        if (items[k] == text)
            return static_cast<int>(k);
    return std::nullopt;
}

[[noreturn]] void indexNotInList(std::string_view name, ItemList list, const std::string& index) {
    throw FormStateError(std::string(name) + ": index " + index + " is not in its list (" +
                         listDescription(list) + ")");
}

// The selection index a JSON whole number gives, checked against the list. The
// number is read as it was written: 2^63 is not a negative index.
int checkedIndex(std::string_view name, ItemList list, const Json& number) {
    const auto size = static_cast<std::uint64_t>(itemsOf(list).size());
    if (number.is_number_unsigned()) {
        const auto index = number.get<std::uint64_t>();
        if (index >= size)
            indexNotInList(name, list, std::to_string(index));
        return static_cast<int>(index);
    }
    const auto index = number.get<std::int64_t>();
    if (index < 0 || static_cast<std::uint64_t>(index) >= size)
        indexNotInList(name, list, std::to_string(index));
    return static_cast<int>(index);
}

[[noreturn]] void notAnItem(std::string_view name, ItemList list, std::string_view text) {
    throw FormStateError(std::string(name) + ": " + quotedForMessage(text) +
                         " is not an item of its list (" + listDescription(list) + ")");
}

// Applies one batch of settings (the "controls" of a file, or the --set
// options) and refuses two radio boxes of one set true at once in it. A box
// given true and later false in the batch no longer counts as true.
class Batch {
public:
    explicit Batch(FormState& form) : m_form(form) {}

    void selectIndex(std::string_view name, const ControlSpec& spec, int index) {
        if (index < 0 || static_cast<std::size_t>(index) >= itemsOf(*spec.items).size())
            indexNotInList(name, *spec.items, std::to_string(index));
        m_form.select(name, index);
    }

    void setBox(std::string_view name, const ControlSpec& spec, bool checked) {
        if (spec.radioOption) {
            const auto set = std::make_pair(static_cast<int>(spec.group), spec.row);
            const auto it = m_trueRadio.find(set);
            if (checked && it != m_trueRadio.end() && it->second != name)
                throw FormStateError(std::string(name) + ": " + it->second +
                                     " of the same radio set " +
                                     "is also given true; at most one box of a set can be checked");
            if (checked)
                m_trueRadio.insert_or_assign(set, std::string(name));
            else if (it != m_trueRadio.end() && it->second == name)
                m_trueRadio.erase(it);
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
            batch.selectIndex(name, spec, checkedIndex(name, *spec.items, value));
        } else if (value.is_string()) {
            const auto& text = value.get_ref<const std::string&>();
            const auto index = itemIndexOf(*spec.items, text);
            if (!index)
                notAnItem(name, *spec.items, text);
            batch.selectIndex(name, spec, *index);
        } else {
            throw FormStateError(name + ": a combo box takes an item index (a whole number) or " +
                                 "the text of an item, not " + valueDescription(value));
        }
        return;
    }
    if (!value.is_boolean())
        throw FormStateError(name + ": a check or radio box takes true or false, not " +
                             valueDescription(value));
    batch.setBox(name, spec, value.get<bool>());
}

// The JSON library's description of what it refused, without its own error
// number, as one printable line of bounded length.
std::string libraryReason(const std::exception& e) {
    std::string_view text = e.what();
    if (text.starts_with("[json.exception.")) {
        const auto end = text.find("] ");
        if (end != std::string_view::npos)
            text.remove_prefix(end + 2);
    }
    return printableMessage(text, kLibraryMessageCharacters);
}

// Builds the JSON value of a form-state text from the JSON library's events,
// refusing as it reads whatever no form state has, so that no text can make
// the reader go deep, slow or large:
//  - nesting deeper than kMaxFormStateNesting, refused as it opens;
//  - more values than maxFormStateValues(), refused at the first value too
//    many: the value built stays a few hundred nodes however long the text,
//    and looking a key up among those before it (an object keeps its keys in
//    file order) stays cheap;
//  - a key given twice in one object, which would silently keep only the
//    last value.
// Each event costs a bounded amount of work, so the time is linear in the
// text. (The library's own builder with a callback looks through the whole
// of an array at the end of each object in it: a megabyte of "{}," took 44 s.)
class FormJsonBuilder : public nlohmann::json_sax<Json> {
public:
    Json result;

    bool null() override { return put(nullptr); }
    bool boolean(bool value) override { return put(value); }
    bool number_integer(number_integer_t value) override { return put(value); }
    bool number_unsigned(number_unsigned_t value) override { return put(value); }
    bool number_float(number_float_t value, const string_t&) override { return put(value); }
    bool string(string_t& value) override { return put(std::move(value)); }
    bool binary(binary_t& value) override { return put(std::move(value)); } // not in JSON text

    bool start_object(std::size_t) override {
        open(Json::object());
        m_keys.emplace_back();
        return true;
    }
    bool key(string_t& name) override {
        if (!m_keys.back().insert(name).second)
            throw FormStateError("the key " + quotedForMessage(name) +
                                 " is given twice; give each key once");
        m_key = std::move(name);
        return true;
    }
    bool end_object() override {
        m_keys.pop_back();
        m_open.pop_back();
        return true;
    }
    bool start_array(std::size_t) override {
        open(Json::array());
        return true;
    }
    bool end_array() override {
        m_open.pop_back();
        return true;
    }
    bool parse_error(std::size_t, const std::string&,
                     const nlohmann::detail::exception& e) override {
        // 406: a number beyond the range of a double, such as 1e400.
        if (e.id == 406)
            throw FormStateError("a number out of range: " + libraryReason(e));
        throw FormStateError("malformed JSON: " + libraryReason(e));
    }

private:
    // Places a value: the whole text, the next element of the open array, or
    // the value of the last key of the open object. Returns where it now is.
    Json* place(Json value) {
        if (++m_values > maxFormStateValues())
            throw FormStateError("the JSON holds more values than a form state can (" +
                                 std::to_string(maxFormStateValues()) +
                                 ": one per control, the date, the note and two objects)");
        if (m_open.empty()) {
            result = std::move(value);
            return &result;
        }
        Json& container = *m_open.back();
        if (container.is_array()) {
            container.push_back(std::move(value));
            return &container.back();
        }
        Json& slot = container[m_key];
        slot = std::move(value);
        return &slot;
    }

    bool put(Json value) {
        place(std::move(value));
        return true;
    }

    void open(Json container) {
        if (m_open.size() >= static_cast<std::size_t>(kMaxFormStateNesting))
            throw FormStateError("the JSON nests deeper than a form state: more than " +
                                 std::to_string(kMaxFormStateNesting) +
                                 " levels of objects and arrays");
        // The open containers are the last of their parents, which grow only
        // once they are closed: these pointers stay valid while they are open.
        m_open.push_back(place(std::move(container)));
    }

    std::vector<Json*> m_open;                 // open arrays and objects, outermost first
    std::vector<std::set<std::string>> m_keys; // the keys of each open object
    std::string m_key;                         // the last key read
    std::size_t m_values = 0;                  // values placed so far
};

Json parseFormJson(std::string_view jsonText) {
    // The JSON library takes a NUL byte for the end of its input and would
    // ignore whatever follows it.
    if (const auto nul = jsonText.find('\0'); nul != std::string_view::npos)
        throw FormStateError("malformed JSON: a NUL byte at byte " + std::to_string(nul + 1) +
                             "; a form state is text");
    FormJsonBuilder builder;
    try {
        (void)Json::sax_parse(jsonText.begin(), jsonText.end(), &builder);
    } catch (const Json::exception& e) {
        throw FormStateError("malformed JSON: " + libraryReason(e));
    }
    return std::move(builder.result);
}

} // namespace

std::size_t maxFormStateValues() {
    static const std::size_t count = allControlNames().size() + 4;
    return count;
}

std::optional<CivilDate> parseIsoDate(std::string_view text) {
    const IsoDateRead r = readIsoDate(text);
    return r.status == IsoReadStatus::ok ? std::optional<CivilDate>(r.date) : std::nullopt;
}

FormState formStateFromJson(std::string_view jsonText, bool dateRequired) {
    const Json doc = parseFormJson(jsonText);
    if (!doc.is_object())
        throw FormStateError(
            "a form state is a JSON object with the keys \"date\" and \"controls\", not " +
            valueDescription(doc));

    FormState form;
    bool haveDate = false;
    for (const auto& [key, value] : doc.items()) {
        if (key == "date") {
            if (!value.is_string())
                throw FormStateError("\"date\" takes a text \"YYYY-MM-DD\", not " +
                                     valueDescription(value));
            const auto& text = value.get_ref<const std::string&>();
            const auto date = parseIsoDate(text);
            if (!date)
                throw FormStateError("\"date\": " + quotedForMessage(text) +
                                     " is not a real date written YYYY-MM-DD");
            form.date = *date;
            haveDate = true;
        } else if (key == "controls") {
            if (!value.is_object())
                throw FormStateError(
                    "\"controls\" takes an object of control names and values, not " +
                    valueDescription(value));
            Batch batch(form);
            for (const auto& [name, setting] : value.items())
                applyJsonControl(batch, name, setting);
        } else if (key == "note") {
            if (!value.is_string())
                throw FormStateError("\"note\" takes a text, not " + valueDescription(value));
        } else {
            throw FormStateError("unknown key " + quotedForMessage(key) +
                                 " (a form state has \"date\", \"controls\" and \"note\")");
        }
    }
    if (dateRequired && !haveDate)
        throw FormStateError("the form state has no \"date\" (give \"date\": \"YYYY-MM-DD\")");
    return form;
}

FormState readFormStateFile(std::string_view path, bool dateRequired) {
    return formStateFromJson(readTextInput(path, kMaxFormStateBytes), dateRequired);
}

ControlSetting parseControlSetting(std::string_view text) {
    const auto eq = text.find('=');
    if (eq == std::string_view::npos || eq == 0)
        throw FormStateError(quotedForMessage(text) + " is not NAME=VALUE");
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
                                 quotedForMessage(s.value));
    }
}

} // namespace bazi
