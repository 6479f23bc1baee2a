#pragma once
// What every condition group shares: a condition row captured from the form
// state, the count rule of a count box, the sought value and tallies that a
// row's count test hands to its reveal test, and the order of a row's checks.
//
// A row is evaluated by three checks in order, stopping at the first that
// fails: PositionTest (does the value stand at the chosen position), CountTest
// (tries the row's candidates in order until one meets the count rule; the first
// that does is the row's SoughtValue, with the counts found for it), RevealTest
// (the row's reveal option applied to that one candidate). Every check is a pure
// function of the row and the moment's chart tables.

#include "chart/chart_tables.h"
#include "form/form_catalog.h"
#include "form/form_state.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bazi {

/// One item of a count box read as a test on a whole-number count c:
/// "n" is c = n, "非n" is c ≠ n, ">=n" is c ≥ n, "<=n" is c ≤ n.
struct CountRule {
    enum class Test { equal, notEqual, atLeast, atMost, never };
    Test test = Test::never;
    int n = 0;

    [[nodiscard]] constexpr bool holds(int c) const {
        switch (test) {
        case Test::equal: return c == n;
        case Test::notEqual: return c != n;
        case Test::atLeast: return c >= n;
        case Test::atMost: return c <= n;
        case Test::never: return false;
        }
        return false;
    }
    friend constexpr bool operator==(const CountRule&, const CountRule&) = default;
};

/// The rule written in a count item ("3", "非0", ">=2", "<=1"); nullopt for any
/// other text.
[[nodiscard]] std::optional<CountRule> countRuleFromText(std::string_view itemText);
/// The rule of item `index` of a count list; a rule that never holds for an
/// index outside the list or a list that is not a count list.
[[nodiscard]] CountRule countRuleOf(ItemList countList, int index);

/// One set or unset line of a condition group, read once from the form state.
/// Indexes are selection indexes (0 = first item of the control's list).
struct ConditionRow {
    GroupId group = GroupId::elementChart;
    int row = 1;                // 1..rowCount of the group
    int valueIndex = 0;         // 0 "-" (not set), 1 "不指定", 2.. a value
    std::string_view valueText; // text of the selected value item ("" outside the list)
    int positionIndex = 0;      // 0 "不固定"
    int countIndex = 0;         // selection of the count box
    CountRule countRule;        // the rule of that item
    bool revealTicked = false;  // the row's reveal check box, where it has one
    /// The reveal radio set, where the row has one: the first checked option in
    /// the order 无限制, 透干, 虚浮, 通根, 不透; nullopt when none is checked.
    std::optional<RevealOption> revealOption;
    bool female = false; // spirit-star rows: the page's "女命" box

    [[nodiscard]] constexpr bool isSet() const { return valueIndex != 0; }
};

/// Row `row` (1..rowCount) of group `group` as the form state holds it.
[[nodiscard]] ConditionRow captureRow(const FormState& form, GroupId group, int row);

/// The set rows of every group box, in evaluation order: groups in GroupId
/// order (the spirit-star rows last), rows ascending within a group.
[[nodiscard]] std::vector<ConditionRow> captureSetRows(const FormState& form);

/// The number of set rows over all 48 value boxes (the spirit-star boxes included).
[[nodiscard]] int countSetRows(const FormState& form);

/// The candidate at which a CountTest stopped: an element, stem, branch or ten-god name.
using SoughtValue = std::string;

/// Counts of an element: among the four stems, the four branches, the twelve hidden-stem slots.
struct ElementTally {
    int stems = 0;
    int branches = 0;
    int hidden = 0;
};

/// Count of a stem or branch name, one entry per group that counts names.
struct StemBranchTally {
    int stems = 0;       // StemGroup: among the four stems
    int branches = 0;    // BranchGroup: among the four branches
    int hiddenStems = 0; // HiddenStemGroup: among the twelve hidden-stem slots
};

/// Counts of a ten-god name: among the year, month and hour stems (the day stem
/// is the reference and never counted here), the four branches, the twelve slots.
struct TenGodTally {
    int stems = 0;
    int branches = 0;
    int hidden = 0;
};

/// What a successful CountTest hands to the RevealTest of the same row.
template <class Tally> struct CountFind {
    SoughtValue sought;
    Tally tally;
};

/// The candidates of a CountTest in the order they are tried (at most twelve).
/// An empty text (an unfilled hidden-stem slot, or a character missing from the
/// chart) is not a value of any kind and is never added: it must not satisfy a row.
class CandidateList {
public:
    constexpr void add(std::string_view candidate) {
        if (!candidate.empty() && m_size < m_items.size())
            m_items[m_size++] = candidate;
    }
    constexpr void addAll(std::span<const std::string_view> candidates) {
        for (std::string_view c : candidates)
            add(c);
    }
    [[nodiscard]] constexpr const std::string_view* begin() const { return m_items.data(); }
    [[nodiscard]] constexpr const std::string_view* end() const { return m_items.data() + m_size; }
    [[nodiscard]] constexpr std::size_t size() const { return m_size; }

private:
    std::array<std::string_view, 12> m_items{};
    std::size_t m_size = 0;
};

/// The CountTest loop: tries the candidates in order; `countOf(candidate)` gives
/// the tally of a candidate and `countIn(tally)` the count the rule is applied
/// to. The first candidate whose count meets the rule is found; later ones are
/// not tried.
template <class Tally, class CountOf, class CountIn>
[[nodiscard]] std::optional<CountFind<Tally>>
firstCandidateMeeting(const CandidateList& candidates, const CountRule& rule, CountOf countOf,
                      CountIn countIn) {
    for (std::string_view candidate : candidates) {
        const Tally tally = countOf(candidate);
        if (rule.holds(countIn(tally)))
            return CountFind<Tally>{SoughtValue(candidate), tally};
    }
    return std::nullopt;
}

/// A row's checks in order: PositionTest, CountTest, then RevealTest where the
/// group has one. `Group` supplies static positionTest, countTest (returning an
/// optional CountFind), revealTest and the constant kHasReveal.
template <class Group>
[[nodiscard]] bool rowSatisfiedBy(const ConditionRow& row, const ChartTable& chart,
                                  const HiddenStemTable& hidden) {
    if (!Group::positionTest(row, chart, hidden))
        return false;
    const auto found = Group::countTest(row, chart, hidden);
    if (!found)
        return false;
    if constexpr (Group::kHasReveal)
        return Group::revealTest(row, *found, chart, hidden);
    return true;
}

/// The five-option reveal test over the counts of the found candidate: 无限制
/// always; 透干 some stem (stems ≠ 0); 虚浮 no hidden stem (hidden = 0; the stems
/// are not looked at); 通根 some hidden stem; 不透 no stem; nothing checked: never.
[[nodiscard]] constexpr bool revealOptionHolds(std::optional<RevealOption> option, int stems,
                                               int hidden) {
    if (!option)
        return false;
    switch (*option) {
    case RevealOption::unrestricted: return true;
    case RevealOption::revealed: return stems != 0;
    case RevealOption::floating: return hidden == 0;
    case RevealOption::rooted: return hidden != 0;
    case RevealOption::notRevealed: return stems == 0;
    }
    return false;
}

// Facts of a moment gathered in the shapes the chart primitives take.

/// Elements of the year, month, day and hour stems.
[[nodiscard]] std::array<std::string, 4> stemElements(const ChartTable& chart);
/// Elements of the year, month, day and hour branches.
[[nodiscard]] std::array<std::string, 4> branchElements(const ChartTable& chart);
/// Elements of the twelve hidden-stem slots in slot order.
[[nodiscard]] std::array<std::string, 12> slotElements(const HiddenStemTable& hidden);
/// Ten-gods of the year, month and hour stems (the day stem left out).
[[nodiscard]] std::array<std::string, 3> outerStemTenGods(const ChartTable& chart);
/// Ten-gods of the four branches.
[[nodiscard]] std::array<std::string, 4> branchTenGods(const ChartTable& chart);
/// Ten-gods of the twelve hidden-stem slots in slot order.
[[nodiscard]] std::array<std::string, 12> slotTenGods(const HiddenStemTable& hidden);
/// The four stems joined, year first.
[[nodiscard]] std::string joinedStems(const ChartTable& chart);
/// The four branches joined, year first.
[[nodiscard]] std::string joinedBranches(const ChartTable& chart);
/// The characters of the twelve slots joined (unfilled slots add nothing).
[[nodiscard]] std::string joinedSlots(const HiddenStemTable& hidden);

/// Position items 1..4 of the pillar, stem, branch and hidden-stem lists name the
/// year, month, day and hour pillar.
[[nodiscard]] constexpr bool isPillarPosition(int p) {
    return p >= 1 && p <= 4;
}
/// The stem cell of pillar p (1..4): cells 0, 2, 4, 6.
[[nodiscard]] inline const ChartCell& stemOfPillar(const ChartTable& chart, int p) {
    return chart.cells[static_cast<std::size_t>(2 * (p - 1))];
}
/// The branch cell of pillar p (1..4): cells 1, 3, 5, 7.
[[nodiscard]] inline const ChartCell& branchOfPillar(const ChartTable& chart, int p) {
    return chart.cells[static_cast<std::size_t>(2 * (p - 1) + 1)];
}
/// Hidden-stem slot j (0..2) of pillar p's branch (1..4).
[[nodiscard]] inline const ChartCell& slotOfPillar(const HiddenStemTable& hidden, int p, int j) {
    return hidden.slots[static_cast<std::size_t>(3 * (p - 1) + j)];
}

/// The position test shared by the three hidden-stem row kinds: "不指定" and
/// "不固定" pass, an unset value fails, and a pillar passes when one of its
/// branch's slots holds the value in `field` (character, element or ten-god).
[[nodiscard]] bool pillarSlotsPositionTest(const ConditionRow& row, const HiddenStemTable& hidden,
                                           std::string ChartCell::*field);

/// The values of a value list from item 2 on ("金" .. "土", "甲" .. "癸", ...): the
/// candidates of "不指定" with no fixed position.
[[nodiscard]] std::span<const std::string_view> valuesOf(ItemList valueList);

} // namespace bazi
