#include "form/form_state.h"

#include <gtest/gtest.h>

namespace bazi {
namespace {

TEST(FormState, StartsAsTheFreshForm) {
    const FormState form({2016, 3, 16});
    EXPECT_EQ(form.date, (CivilDate{2016, 3, 16}));
    EXPECT_EQ(form.selection("组合框_行1"), 0);
    EXPECT_EQ(form.selectedText("组合框_行1"), "-");
    EXPECT_EQ(form.selectedText("组合框_位置行1"), "不固定");
    EXPECT_EQ(form.selectedText("组合框_行数量1"), "0");
    EXPECT_TRUE(form.isChecked("单选框1")); // 无限制
    EXPECT_FALSE(form.isChecked("单选框2"));
    EXPECT_TRUE(form.isChecked("单选框60")); // 无限制 of ten-god row 7
    EXPECT_FALSE(form.isChecked("选择框_行透01"));
    EXPECT_FALSE(form.isChecked(kSwapCheckBox));
    EXPECT_FALSE(form.isChecked(kFemaleCheckBox));
    EXPECT_FALSE(form.isChecked("no such box"));
    EXPECT_EQ(form.selection("no such box"), 0);
    EXPECT_EQ(form.selectedText("no such box"), "");
}

TEST(FormState, CheckingARadioBoxClearsTheRestOfItsSet) {
    FormState form;
    form.setChecked("单选框5", true); // 通根 of element row 1
    EXPECT_TRUE(form.isChecked("单选框5"));
    for (const char* other : {"单选框1", "单选框2", "单选框3", "单选框4"})
        EXPECT_FALSE(form.isChecked(other)) << other;
    // Other rows keep their own choice.
    EXPECT_TRUE(form.isChecked("单选框10"));

    // Unchecking leaves the set with nothing checked.
    form.setChecked("单选框5", false);
    for (const char* box : {"单选框1", "单选框2", "单选框3", "单选框4", "单选框5"})
        EXPECT_FALSE(form.isChecked(box)) << box;
}

TEST(FormState, SelectsByIndexAndReadsTheItemText) {
    FormState form;
    form.select("组合框_行1", 2);
    form.select("组合框_位置行1", 9);
    form.select("组合框_行数量1", 3);
    EXPECT_EQ(form.selectedText("组合框_行1"), "金");
    EXPECT_EQ(form.selectedText("组合框_位置行1"), "天干");
    EXPECT_EQ(form.selectedText("组合框_行数量1"), "3");
    form.select("no such box", 3); // ignored
    EXPECT_EQ(form, [] {
        FormState f;
        f.select("组合框_行1", 2);
        f.select("组合框_位置行1", 9);
        f.select("组合框_行数量1", 3);
        return f;
    }());
}

} // namespace
} // namespace bazi
