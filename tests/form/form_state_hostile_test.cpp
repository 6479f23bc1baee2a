// The form-state reader given what an attacker would give it: each input that
// once crashed it, exhausted it or was read wrongly, now refused with a short,
// one-line message naming the problem. Large inputs are built here, not stored.
#include "form/form_catalog.h"
#include "form/form_state_json.h"
#include "form/message_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace bazi;

// The message a text is refused with; "" when it is read.
std::string refusal(const std::string& json) {
    try {
        (void)formStateFromJson(json);
        return {};
    } catch (const FormStateError& e) {
        return e.what();
    }
}

std::string nested(std::size_t depth, char open, char close) {
    return std::string(depth, open) + std::string(depth, close);
}

// A message fit for one line of a terminal: nothing to escape, a bounded length.
void expectOneShortLine(const std::string& message) {
    EXPECT_FALSE(message.empty());
    EXPECT_EQ(printableMessage(message), message);
    EXPECT_LT(message.size(), 600U) << message.substr(0, 200);
}

TEST(FormStateHostile, DeepNestingIsRefusedAsItOpensWhereverItStands) {
    // 60,000 levels once overflowed the stack while the message was built.
    const std::string deepArray = nested(60000, '[', ']');
    std::string deepObject;
    for (int k = 0; k < 60000; ++k)
        deepObject += "{\"a\":";
    deepObject += "1" + std::string(60000, '}');
    const struct {
        std::string json;
        const char* note;
    } cases[] = {
        {R"({"date": )" + deepArray + "}", "the date"},
        {R"({"date": "2016-03-16", "controls": {"组合框_行1": )" + deepArray + "}}", "a combo box"},
        {R"({"date": "2016-03-16", "controls": {"选择框1": )" + deepObject + "}}", "a check box"},
        {R"({"date": "2016-03-16", "note": )" + deepArray + "}", "the note"},
        {deepArray, "the whole text"},
        {std::string(1 << 20, '['), "1 MiB of ["},
        {R"({"date": [[[]]]})", "four levels"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        const std::string message = refusal(c.json);
        EXPECT_NE(message.find("nests deeper than a form state: more than 3 levels"),
                  std::string::npos)
            << message;
        expectOneShortLine(message);
    }
    // Within the bound a wrong value is named by its type, never dumped.
    EXPECT_EQ(refusal(R"({"date": [[]]})"), R"("date" takes a text "YYYY-MM-DD", not an array)");
    EXPECT_EQ(refusal(R"({"date": "2016-03-16", "controls": {"组合框_行1": {"a": 1}}})"),
              "组合框_行1: a combo box takes an item index (a whole number) or the text of an "
              "item, not an object");
    EXPECT_EQ(refusal(R"({"date": "2016-03-16", "controls": {"选择框1": [true]}})"),
              "选择框1: a check or radio box takes true or false, not an array");
}

TEST(FormStateHostile, AFormStateHoldsAtMostAsManyValuesAsTheFormHasRoomFor) {
    // Every control given once, with the date and a note, is the most a form
    // state can hold, and is read.
    std::string every = R"({"date": "2016-03-16", "note": "", "controls": {)";
    for (const std::string& name : allControlNames()) {
        const bool combo = findControl(name)->kind == ControlKind::comboBox;
        every += (every.back() == '{' ? "\"" : ", \"") + name + "\": " + (combo ? "0" : "false");
    }
    EXPECT_EQ(refusal(every + "}}"), "");
    EXPECT_EQ(maxFormStateValues(), allControlNames().size() + 4);

    // One value more, of any kind anywhere, is refused as soon as it is read.
    // Megabytes of small values once took seconds: a megabyte of distinct keys
    // 12 s (each key looked up among all before it), a megabyte of "{}," 44 s
    // (the JSON library's builder looked through the array after each object).
    const std::string tooMany = "the JSON holds more values than a form state can (" +
                                std::to_string(maxFormStateValues()) +
                                ": one per control, the date, the note and two objects)";
    EXPECT_EQ(refusal(every + R"(, "x": 0})"), tooMany);
    std::string keys = R"({"date": "2016-03-16", "note": "", "x": {)";
    for (int k = 0; keys.size() < kMaxFormStateBytes - 32; ++k)
        keys += (k ? ",\"" : "\"") + std::to_string(k) + "\":0";
    EXPECT_EQ(refusal(keys + "}}"), tooMany);
    std::string empties = R"({"date": [{})";
    while (empties.size() < kMaxFormStateBytes - 8)
        empties += ",{}";
    EXPECT_EQ(refusal(empties + "]}"), tooMany);
    std::string zeros = R"({"date": "2016-03-16", "note": [0)";
    while (zeros.size() < kMaxFormStateBytes - 8)
        zeros += ",0";
    EXPECT_EQ(refusal(zeros + "]}"), tooMany);
    // Fewer small values are named by their type like any wrong value.
    EXPECT_EQ(refusal(R"({"date": [{}, {}, {}]})"),
              R"("date" takes a text "YYYY-MM-DD", not an array)");
}

TEST(FormStateHostile, EveryErrorOfTheJsonLibraryIsAFormStateError) {
    const struct {
        std::string json;
        const char* inMessage;
        const char* note;
    } cases[] = {
        {R"({"date":"2021-09-10","note":1e400})", "a number out of range: number overflow",
         "a number past the range of a double"},
        {R"({"date":"2021-09-10","controls":{"组合框_行1":-1e999}})", "number overflow",
         "a negative one"},
        {"{\"date\":\"2021-09-10\",\"note\":\"caf\xe9\"}", "malformed JSON", "Latin-1 in a text"},
        {"{\"date\":\"2021-09-10\",\"note\":\"\\ud800\"}", "malformed JSON", "a lone surrogate"},
        {R"({"date":"2021-09-10",})", "malformed JSON", "a trailing comma"},
        {std::string(1 << 20, '"'), "malformed JSON", "a megabyte of quotes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        const std::string message = refusal(c.json);
        EXPECT_NE(message.find(c.inMessage), std::string::npos) << message;
        expectOneShortLine(message);
    }
}

TEST(FormStateHostile, ANulByteIsMalformedWhateverFollowsIt) {
    // The JSON library alone stops at the NUL and would read the query before it.
    EXPECT_EQ(refusal(std::string("{\"date\":\"2021-09-10\"}\0garbage{{{", 32)),
              "malformed JSON: a NUL byte at byte 22; a form state is text");
    EXPECT_EQ(refusal(std::string("{\"date\":\"2021-09-10\"}\0", 22)),
              "malformed JSON: a NUL byte at byte 22; a form state is text");
}

TEST(FormStateHostile, UserTextIsQuotedEscapedAndCut) {
    const std::string megabyteKey(1000000, 'k');
    const struct {
        std::string json;
        std::string message;
        const char* note;
    } cases[] = {
        {R"({"date":"2021-09-10","controls":{"\u001b]0;pwned\u0007\u001b[2J":1}})",
         R"(unknown control "\u001b]0;pwned\u0007\u001b[2J" (names are those of the form, e.g. 组合框_行1, 单选框2, 选择框1))",
         "a terminal title and clear-screen sequence in a control name"},
        {R"({"date":"2016-03-16\nX"})",
         R"("date": "2016-03-16\nX" is not a real date written YYYY-MM-DD)", "a line break"},
        {R"({"date":"2016-03-16", ")" + megabyteKey + R"(":1})",
         R"(unknown key ")" + std::string(64, 'k') +
             R"("… (1000000 bytes) (a form state has "date", "controls" and "note"))",
         "a megabyte key"},
        {R"({"date":"2016-03-16", "controls": {"组合框_行1": ")" + megabyteKey + R"("}})",
         "组合框_行1: \"" + std::string(64, 'k') +
             "\"… (1000000 bytes) is not an item of its list (0..6: -, 不指定, 金, 水, 木, 火, 土)",
         "a megabyte item text"},
        {R"({"date":"2016-03-16", "controls": {"选择框1": ")" + megabyteKey + R"("}})",
         "选择框1: a check or radio box takes true or false, not the text \"" +
             std::string(64, 'k') + "\"… (1000000 bytes)",
         "a megabyte text for a box"},
        {R"({"date": "\u202e61-30-6102"})",
         R"("date": "\u202e61-30-6102" is not a real date written YYYY-MM-DD)",
         "a right-to-left override"},
        {R"({"a\"b": 1})", R"(unknown key "a\"b" (a form state has "date", "controls" and "note"))",
         "a quote in a key"},
        {R"({"date": "2016-03-16", "date": "\u0007"})",
         R"(the key "date" is given twice; give each key once)", "a repeated key"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        const std::string message = refusal(c.json);
        EXPECT_EQ(message, c.message);
        expectOneShortLine(message);
    }
}

TEST(FormStateHostile, AnIndexIsReadAsWritten) {
    const struct {
        const char* index;
        const char* message;
    } cases[] = {
        {"9223372036854775808", "index 9223372036854775808 is not in its list"},   // 2^63
        {"18446744073709551615", "index 18446744073709551615 is not in its list"}, // 2^64 - 1
        {"-9223372036854775808", "index -9223372036854775808 is not in its list"},
        {"4294967298", "index 4294967298 is not in its list"},             // 2^32 + 2: not index 2
        {"18446744073709551616", "not the number 1.8446744073709552e+19"}, // 2^64: a double
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        const std::string message = refusal(
            std::string(R"({"date":"2021-09-10","controls":{"组合框_行1":)") + c.index + "}}");
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
    }
}

TEST(FormStateHostile, ARadioBoxGivenTrueThenFalseNoLongerHoldsItsSet) {
    FormState form(CivilDate{2016, 3, 16});
    applyControlSettings(form, {{"单选框2", "true"}, {"单选框2", "false"}, {"单选框3", "true"}});
    EXPECT_TRUE(form.isChecked("单选框3"));
    EXPECT_FALSE(form.isChecked("单选框2"));
    FormState again(CivilDate{2016, 3, 16});
    applyControlSettings(again, {{"单选框2", "true"}, {"单选框3", "false"}});
    EXPECT_TRUE(again.isChecked("单选框2")); // another box given false leaves the true one
    FormState twice(CivilDate{2016, 3, 16});
    EXPECT_THROW(applyControlSettings(
                     twice, {{"单选框2", "true"}, {"单选框3", "false"}, {"单选框4", "true"}}),
                 FormStateError);
}

TEST(FormStateHostile, ASettingsMessageQuotesWhatWasGiven) {
    const std::string escape = "\x1b[2J";
    const struct {
        ControlSetting setting;
        std::string message;
    } cases[] = {
        {{"组合框_支" + escape, "1"},
         "unknown control \"组合框_支\\u001b[2J\" (names are those of the form, e.g. 组合框_行1, "
         "单选框2, 选择框1)"},
        {{"选择框1", "yes\n"},
         "选择框1: a check or radio box takes true, false, 1 or 0, not \"yes\\n\""},
        {{"组合框_支1", "-1"}, "组合框_支1: \"-1\" is not an item of its list"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        FormState form;
        try {
            applyControlSettings(form, {c.setting});
            ADD_FAILURE() << "accepted";
        } catch (const FormStateError& e) {
            EXPECT_EQ(std::string(e.what()).substr(0, c.message.size()), c.message);
        }
    }
    try {
        (void)parseControlSetting(escape);
        ADD_FAILURE() << "accepted";
    } catch (const FormStateError& e) {
        EXPECT_STREQ(e.what(), "\"\\u001b[2J\" is not NAME=VALUE");
    }
}

} // namespace
