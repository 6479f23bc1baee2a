// Writing a form state as JSON: what the reader reads back is the same state.
#include "form/form_state_json.h"
#include "form/form_state_writer.h"

#include <gtest/gtest.h>

#include <random>

namespace bazi {
namespace {

TEST(FormStateWriter, WritesOnlyWhatDiffersFromTheInitialForm) {
    FormState form(CivilDate{2016, 3, 16});
    form.select("组合框_干1", 5);
    form.select("组合框_位置干1", 3);
    form.select("组合框_干数量1", 5);
    form.setChecked(kFemaleCheckBox, true);
    EXPECT_EQ(formStateToJson(form), R"({
  "date": "2016-03-16",
  "controls": {
    "组合框_干1": "丁",
    "组合框_位置干1": "日干",
    "组合框_干数量1": "非0",
    "选择框_女命": true
  }
}
)");
    EXPECT_EQ(formStateToJson(FormState(CivilDate{1901, 2, 21})),
              "{\n  \"date\": \"1901-02-21\",\n  \"controls\": {}\n}\n");
}

TEST(FormStateWriter, ARadioSetThatDiffersIsWrittenWhole) {
    FormState revealed(CivilDate{2016, 3, 16});
    revealed.setChecked("单选框2", true); // 透干 of row 1
    const std::string json = formStateToJson(revealed);
    for (const char* line : {"\"单选框1\": false", "\"单选框2\": true", "\"单选框3\": false",
                             "\"单选框4\": false", "\"单选框5\": false"})
        EXPECT_NE(json.find(line), std::string::npos) << line;
    EXPECT_EQ(formStateFromJson(json), revealed);

    FormState none(CivilDate{2016, 3, 16});
    none.setChecked("单选框30", false); // a set with nothing checked
    EXPECT_EQ(formStateFromJson(formStateToJson(none)), none);
}

TEST(FormStateWriter, RandomStatesReadBackUnchanged) {
    // Every control given a random item or state: combo boxes anywhere in
    // their lists, check boxes either way, radio sets with one box or none.
    std::mt19937 random(20160316);
    for (int round = 0; round < 300; ++round) {
        FormState form(CivilDate{2016, 3, 16});
        for (const std::string& name : allControlNames()) {
            const std::optional<ControlSpec> spec = findControl(name);
            if (spec->kind == ControlKind::comboBox) {
                const auto size = static_cast<int>(itemsOf(*spec->items).size());
                form.select(name, std::uniform_int_distribution<int>(0, size - 1)(random));
            } else if (random() % 3 == 0) {
                form.setChecked(name, random() % 2 == 0);
            }
        }
        SCOPED_TRACE(round);
        ASSERT_EQ(formStateFromJson(formStateToJson(form)), form);
    }
}

} // namespace
} // namespace bazi
