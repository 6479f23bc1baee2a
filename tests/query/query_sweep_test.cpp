// No form state can crash a query or read outside a table: every item of every
// value, position and count box (and indexes just outside each list), every
// reveal choice, both swap states, on a spread of charts, real and broken.
#include "calendar/moment_chart.h"
#include "conditions/conditions.h"
#include "query/query_driver.h"

#include "row_builder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Index of a std::array or vector from a signed loop counter.
constexpr std::size_t idx(int i) {
    return static_cast<std::size_t>(i);
}

using namespace bazi;

int sizeOf(ItemList list) {
    return static_cast<int>(itemsOf(list).size());
}

// The reveal settings a row of the group can have.
std::vector<ConditionRow> withEveryReveal(ConditionRow row, RevealKind kind) {
    std::vector<ConditionRow> out;
    if (kind == RevealKind::radioSet) {
        row.revealOption.reset();
        out.push_back(row);
        for (int k = 0; k < 5; ++k) {
            row.revealOption = static_cast<RevealOption>(k);
            out.push_back(row);
        }
    } else if (kind == RevealKind::checkBox) {
        for (bool ticked : {false, true}) {
            row.revealTicked = ticked;
            out.push_back(row);
        }
    } else {
        out.push_back(row);
    }
    return out;
}

// Charts of moments across the range and its two ends, and two broken texts.
std::vector<std::string> sweepCharts() {
    std::vector<std::string> charts;
    for (const CivilDateTime t :
         {CivilDateTime{{1901, 2, 19}, 0, 0, 0}, CivilDateTime{{1984, 2, 4}, 22, 0, 0},
          CivilDateTime{{2048, 12, 31}, 22, 0, 0}})
        charts.push_back(momentChartOf(t).chartText());
    charts.push_back("");
    charts.push_back("丙申辛");
    return charts;
}

bool usesTenGods(GroupId id) {
    return id == GroupId::tenGodChart || id == GroupId::tenGodHidden;
}

TEST(QuerySweep, EveryIndexOfEveryBoxWithEveryRevealOnEveryChart) {
    const auto charts = sweepCharts();
    long evaluated = 0;
    for (const std::string& chartText : charts) {
        SCOPED_TRACE("chart \"" + chartText + "\"");
        const ChartFacts facts = rowtest::factsOf(chartText);
        for (const GroupSpec& g : groupSpecs()) {
            SCOPED_TRACE(std::string(g.boxName));
            const RowNames names = rowNames(g.id, 1);
            for (int v = -1; v <= sizeOf(g.valueList); ++v) {
                for (int p = -1; p <= sizeOf(g.positionList); ++p) {
                    for (int c = -1; c <= sizeOf(g.countList); ++c) {
                        FormState form;
                        form.select(names.value, v);
                        form.select(names.position, p);
                        form.select(names.count, c);
                        const ConditionRow row = captureRow(form, g.id, 1);
                        for (ConditionRow r : withEveryReveal(row, g.reveal)) {
                            r.swapTicked = false;
                            const bool a = rowSatisfied(r, facts);
                            r.swapTicked = true;
                            const bool b = rowSatisfied(r, facts);
                            ASSERT_EQ(evaluateRow(r, facts).satisfied, b);
                            ++evaluated;
                            if (v == 0 || c < 0 || c >= sizeOf(g.countList)) {
                                ASSERT_FALSE(a || b) << "unset row or count outside the list: v "
                                                     << v << " p " << p << " c " << c;
                            }
                            if (!usesTenGods(g.id)) {
                                ASSERT_EQ(a, b) << "the swap box changed a row that reads no "
                                                   "ten-god: v "
                                                << v << " p " << p << " c " << c;
                            }
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(evaluated, 50000);
}

TEST(QuerySweep, EveryControlOfAllFortyEightRowsReachesItsRow) {
    // Each box of each row set to each of its items in turn, the rest of the
    // row on "不指定": the row captured from the form state evaluates without
    // fault, and a row whose value box is "-" is never satisfied.
    const ChartFacts facts = rowtest::factsOf("丙申辛卯丁酉辛亥");
    for (const GroupSpec& g : groupSpecs()) {
        for (int rowNumber = 1; rowNumber <= g.rowCount; ++rowNumber) {
            const RowNames names = rowNames(g.id, rowNumber);
            SCOPED_TRACE(names.value);
            const auto evaluate = [&](const FormState& form) {
                const ConditionRow row = captureRow(form, g.id, rowNumber);
                const bool satisfied = rowSatisfied(row, facts);
                if (!row.isSet()) {
                    EXPECT_FALSE(satisfied);
                }
            };
            const auto values = itemsOf(g.valueList);
            for (int k = 0; k < sizeOf(g.valueList); ++k) {
                FormState form;
                form.select(names.value, k);
                evaluate(form);
                EXPECT_EQ(soughtItemText(captureRow(form, g.id, rowNumber).sought), values[idx(k)]);
            }
            const auto positions = itemsOf(g.positionList);
            for (int k = 0; k < sizeOf(g.positionList); ++k) {
                FormState form;
                form.select(names.value, 1);
                form.select(names.position, k);
                evaluate(form);
                EXPECT_EQ(captureRow(form, g.id, rowNumber).position,
                          rowPositionOfText(positions[idx(k)]));
            }
            for (int k = 0; k < sizeOf(g.countList); ++k) {
                FormState form;
                form.select(names.value, 1);
                form.select(names.count, k);
                evaluate(form);
                EXPECT_EQ(captureRow(form, g.id, rowNumber).countRule, countRuleOf(g.countList, k));
            }
            if (!names.checkBox.empty()) {
                FormState form;
                form.select(names.value, 1);
                form.setChecked(names.checkBox, true);
                evaluate(form);
                EXPECT_TRUE(captureRow(form, g.id, rowNumber).revealTicked);
            }
            for (int k = 0; k < 5 && !names.radios[idx(k)].empty(); ++k) {
                FormState form;
                form.select(names.value, 1);
                form.setChecked(names.radios[idx(k)], true);
                evaluate(form);
                EXPECT_EQ(captureRow(form, g.id, rowNumber).revealOption,
                          static_cast<RevealOption>(k));
            }
        }
    }
}

} // namespace
