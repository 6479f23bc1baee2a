// Reading form states from JSON and from NAME=VALUE settings: what each control
// takes, and every kind of input that is refused, with a message naming it.
#include "form/form_state_json.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace bazi;

TEST(FormStateJson, TheIssuesExampleReadsAsTheFormWouldHoldIt) {
    const FormState form = formStateFromJson(R"({"date": "2016-03-16", "controls": {
        "组合框_行1": 2, "组合框_位置行1": 9, "组合框_行数量1": 3, "单选框2": true, "选择框1": false}})");
    FormState want(CivilDate{2016, 3, 16});
    want.select("组合框_行1", 2);
    want.select("组合框_位置行1", 9);
    want.select("组合框_行数量1", 3);
    want.setChecked("单选框2", true);
    EXPECT_EQ(form, want);
    EXPECT_FALSE(form.isChecked("单选框1")); // 无限制 cleared by 透干
}

TEST(FormStateJson, ItemTextAndIndexSelectTheSameItem) {
    const FormState byText = formStateFromJson(
        R"({"date": "2016-03-16", "controls": {"组合框_行1": "金", "组合框_位置行1": "天干", "组合框_行数量1": "3"}})");
    const FormState byIndex = formStateFromJson(
        R"({"date": "2016-03-16", "controls": {"组合框_行1": 2, "组合框_位置行1": 9, "组合框_行数量1": 3}})");
    EXPECT_EQ(byText, byIndex);
    // "非0" is item 9 of the 0-8 list and item 5 of the 0-4 list.
    const FormState counts = formStateFromJson(
        R"({"date": "2016-03-16", "controls": {"组合框_行数量1": "非0", "组合框_行数量01": "非0"}})");
    EXPECT_EQ(counts.selection("组合框_行数量1"), 9);
    EXPECT_EQ(counts.selection("组合框_行数量01"), 5);
}

TEST(FormStateJson, RadioSets) {
    const FormState cleared =
        formStateFromJson(R"({"date": "2016-03-16", "controls": {"单选框1": false}})");
    for (const char* radio : {"单选框1", "单选框2", "单选框3", "单选框4", "单选框5"})
        EXPECT_FALSE(cleared.isChecked(radio)) << radio;
    const FormState other = formStateFromJson(
        R"({"date": "2016-03-16", "controls": {"单选框1": false, "单选框4": true, "单选框3": false}})");
    EXPECT_TRUE(other.isChecked("单选框4"));
    EXPECT_FALSE(other.isChecked("单选框1"));
}

TEST(FormStateJson, ControlsNotGivenKeepTheInitialForm) {
    const FormState form = formStateFromJson(R"({"date": "2016-03-16", "note": "empty form"})");
    EXPECT_EQ(form, FormState(CivilDate{2016, 3, 16}));
    EXPECT_EQ(formStateFromJson(R"({"controls": {}})", false).date, CivilDate{});
}

TEST(FormStateJson, RefusedInputsNameTheProblem) {
    const struct {
        const char* json;
        const char* inMessage;
        const char* note;
    } cases[] = {
        {R"({"date": "2016-03-16", "controls": {"组合框_行9": 1}})", "组合框_行9",
         "unknown control"},
        {R"({"date": "2016-03-16", "controls": {"组合框_行1": 7}})", "index 7",
         "index past the list"},
        {R"({"date": "2016-03-16", "controls": {"组合框_行1": -1}})", "index -1", "negative index"},
        {R"({"date": "2016-03-16", "controls": {"组合框_行1": "铁"}})", "\"铁\" is not an item",
         "text not in the list"},
        {R"({"date": "2016-03-16", "controls": {"组合框_行1": " 金"}})", "is not an item",
         "text with a space"},
        {R"({"date": "2016-03-16", "controls": {"组合框_行数量1": "9"}})", "\"9\" is not an item",
         "\"9\" is text, not index 9"},
        {R"({"date": "2016-03-16", "controls": {"组合框_行1": 2.0}})", "组合框_行1", "a fraction"},
        {R"({"date": "2016-03-16", "controls": {"组合框_行1": true}})", "组合框_行1",
         "a boolean for a combo box"},
        {R"({"date": "2016-03-16", "controls": {"选择框1": 1}})", "true or false",
         "a number for a check box"},
        {R"({"date": "2016-03-16", "controls": {"单选框2": "true"}})", "true or false",
         "text for a radio box"},
        {R"({"date": "2016-03-16", "controls": {"单选框2": true, "单选框3": true}})",
         "same radio set", "two radio boxes of one set"},
        {R"({"date": "2016-03-16", "controls": []})", "\"controls\"", "controls not an object"},
        {R"({"date": "2016-02-30"})", "2016-02-30", "impossible date"},
        {R"({"date": "2016-3-16"})", "YYYY-MM-DD", "malformed date"},
        {R"({"date": 20160316})", "\"date\"", "date not a text"},
        {R"({"controls": {}})", "no \"date\"", "missing date"},
        {R"({"date": "2016-03-16", "control": {}})", "unknown key \"control\"",
         "unknown top-level key"},
        {R"({"date": "2016-03-16", "controls": {"单选框2": true, "单选框2": false}})",
         "given twice", "a control given twice"},
        {R"({"date": "2016-03-16", "date": "2016-03-17"})", "given twice", "a key given twice"},
        {R"({"date": "2016-03-16",)", "malformed JSON", "truncated"},
        {R"([1, 2])", "JSON object", "not an object"},
        {"", "malformed JSON", "empty"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        try {
            (void)formStateFromJson(c.json);
            ADD_FAILURE() << "accepted";
        } catch (const FormStateError& e) {
            EXPECT_NE(std::string(e.what()).find(c.inMessage), std::string::npos) << e.what();
        }
    }
}

TEST(ControlSettings, TextOrIndexForComboBoxesAndTrueFalseForBoxes) {
    FormState form(CivilDate{2016, 3, 16});
    applyControlSettings(form, {{"组合框_支1", "亥"},
                                {"组合框_位置支1", "4"},
                                {"组合框_支数量1", "非0"},
                                {"单选框4", "1"},
                                {"选择框1", "true"},
                                {"选择框_干藏1", "0"}});
    EXPECT_EQ(form.selection("组合框_支1"), 13);
    EXPECT_EQ(form.selection("组合框_位置支1"), 4);
    EXPECT_EQ(form.selectedText("组合框_支数量1"), "非0");
    EXPECT_TRUE(form.isChecked("单选框4"));
    EXPECT_FALSE(form.isChecked("单选框1"));
    EXPECT_TRUE(form.isChecked("选择框1"));
    // A later setting of another radio box of the same set in a new batch wins.
    applyControlSettings(form, {{"单选框2", "true"}});
    EXPECT_TRUE(form.isChecked("单选框2"));
    EXPECT_FALSE(form.isChecked("单选框4"));
}

TEST(ControlSettings, RefusedSettingsNameTheControl) {
    const struct {
        std::vector<ControlSetting> settings;
        const char* inMessage;
        const char* note;
    } cases[] = {
        {{{"组合框_支9", "1"}}, "组合框_支9", "unknown control"},
        {{{"组合框_支1", "14"}}, "index 14", "index past the list"},
        {{{"组合框_支1", "丑丑"}}, "is not an item", "no such item"},
        {{{"选择框1", "yes"}}, "true, false, 1 or 0", "not a box value"},
        {{{"单选框2", "true"}, {"单选框5", "true"}},
         "same radio set",
         "two radio boxes of one set"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        FormState form;
        EXPECT_THROW(
            {
                try {
                    applyControlSettings(form, c.settings);
                } catch (const FormStateError& e) {
                    EXPECT_NE(std::string(e.what()).find(c.inMessage), std::string::npos)
                        << e.what();
                    throw;
                }
            },
            FormStateError);
    }
    EXPECT_THROW((void)parseControlSetting("组合框_支1"), FormStateError);
    EXPECT_THROW((void)parseControlSetting("=1"), FormStateError);
    const ControlSetting s = parseControlSetting("组合框_支数量1=>=2");
    EXPECT_EQ(s.name, "组合框_支数量1");
    EXPECT_EQ(s.value, ">=2");
}

TEST(ParseIsoDate, OnlyRealDaysWrittenYYYYMMDD) {
    EXPECT_EQ(parseIsoDate("2016-03-16"), (CivilDate{2016, 3, 16}));
    EXPECT_EQ(parseIsoDate("2000-02-29"), (CivilDate{2000, 2, 29}));
    for (const char* bad : {"1900-02-29", "2016-13-01", "2016-00-10", "2016-3-16", "16-03-16",
                            "2016/03/16", "2016-03-16 ", "２０16-03-16", "+016-03-16", ""})
        EXPECT_FALSE(parseIsoDate(bad).has_value()) << bad;
}

} // namespace
