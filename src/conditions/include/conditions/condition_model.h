#pragma once
// What every condition group shares: a condition row captured from the form
// state as typed values, the count rule of a count box, and the order of a
// row's checks.
//
// A row is evaluated by three checks in order, stopping at the first that
// fails: PositionTest (does the sought item stand at the chosen position),
// CountTest (tries the row's candidates in order until one meets the count
// rule; the first that does is the item the row found, with the counts seen for
// it), RevealTest (the row's reveal option applied to that one item). Every
// check is a pure function of the row and the facts of the chart.

#include "calendar/sexagenary.h"
#include "chart/chart_facts.h"
#include "chart/element.h"
#include "chart/spirit_stars.h"
#include "chart/ten_god.h"
#include "form/form_catalog.h"
#include "form/form_state.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>
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

/// The value box's "不指定": any item of the row's list.
struct AnyItem {
    friend constexpr bool operator==(AnyItem, AnyItem) = default;
};

/// What a row's value box holds: nothing ("-", the row is not set), "不指定", or
/// one item of the group's kind.
using SoughtItem = std::variant<std::monostate, AnyItem, Element, Stem, Branch, TenGod, SpiritStar>;

/// The text of an item as the form lists it ("-" for nothing, "不指定" for any).
[[nodiscard]] std::string_view soughtItemText(const SoughtItem& item);

/// What a row's position box holds, by meaning.
struct RowPosition {
    enum class Kind : std::uint8_t {
        anywhere,     // "不固定"
        place,        // one character: "年干" .. "时支"
        fourStems,    // "天干"
        fourBranches, // "地支"
        pillar,       // "年柱" .. "时柱"
        none,         // an index outside the list: no position at all
    };
    Kind kind = Kind::anywhere;
    ChartPlace place = ChartPlace::yearStem; // Kind::place
    int pillar = 0;                          // Kind::pillar: 0 year .. 3 hour

    friend constexpr bool operator==(const RowPosition&, const RowPosition&) = default;
};

/// The position of a position item's text; Kind::none for a text no position list has.
[[nodiscard]] RowPosition rowPositionOfText(std::string_view itemText);

/// One set or unset line of a condition group, read once from the form state.
struct ConditionRow {
    GroupId group = GroupId::elementChart;
    int row = 1;      // 1..rowCount of the group
    bool set = false; // the value box is not on "-"
    /// The value box's item; nothing for "-" and for an index the list does not
    /// have (such a row is set but never satisfied).
    SoughtItem sought;
    RowPosition position;
    CountRule countRule;       // the rule of the count box's item
    bool revealTicked = false; // the row's reveal check box, where it has one
    /// The reveal radio set, where the row has one: the first checked option in
    /// the order 无限制, 透干, 虚浮, 通根, 不透; nullopt when none is checked.
    std::optional<RevealOption> revealOption;
    bool swapTicked = false; // ten-god rows: the box "亥子巳午阴阳置换"
    bool female = false;     // spirit-star rows: the page's "女命" box

    [[nodiscard]] constexpr bool isSet() const { return set; }
    [[nodiscard]] constexpr bool seeksAny() const {
        return std::holds_alternative<AnyItem>(sought);
    }
};

/// Row `row` (1..rowCount) of group `group` as the form state holds it.
[[nodiscard]] ConditionRow captureRow(const FormState& form, GroupId group, int row);

/// The set rows of every group box, in evaluation order: groups in GroupId
/// order (the spirit-star rows last), rows ascending within a group.
[[nodiscard]] std::vector<ConditionRow> captureSetRows(const FormState& form);

/// The number of set rows over all 48 value boxes (the spirit-star boxes included).
[[nodiscard]] int countSetRows(const FormState& form);

/// The check of a row that failed first.
enum class RowCheck : std::uint8_t { position, count, reveal };

/// What a row's checks saw on a chart: whether it is satisfied, where it failed,
/// the item its count test settled on, the count the rule was applied to, and
/// the places of the chart that hold that item (see ChartFacts; for a spirit
/// star, bit p for pillar p).
struct RowEvaluation {
    bool satisfied = false;
    std::optional<RowCheck> failed;
    SoughtItem found; // monostate when the count test found nothing
    int count = 0;    // the count the count rule saw for `found`
    PlaceSet places = 0;
};

/// The candidates of a CountTest in the order they are tried (at most twelve).
/// A missing item (an unfilled hidden-stem slot) is never added: it must not
/// satisfy a row.
template <class Item> class Candidates {
public:
    constexpr void add(Item item) {
        if (item.ok() && m_size < m_items.size())
            m_items[m_size++] = item;
    }
    template <class Range> constexpr void addAll(const Range& items) {
        for (const Item item : items)
            add(item);
    }
    [[nodiscard]] constexpr const Item* begin() const { return m_items.data(); }
    [[nodiscard]] constexpr const Item* end() const { return m_items.data() + m_size; }
    [[nodiscard]] constexpr std::size_t size() const { return m_size; }

private:
    std::array<Item, 12> m_items{};
    std::size_t m_size = 0;
};

/// Every item of a kind in the order of the form's list: the candidates of
/// "不指定" with no fixed position.
template <class Item> [[nodiscard]] constexpr auto allItems() {
    constexpr std::size_t n = std::is_same_v<Item, Element>  ? 5
                              : std::is_same_v<Item, Branch> ? 12
                                                             : 10;
    std::array<Item, n> items{};
    for (std::size_t i = 0; i < n; ++i)
        items[i] = Item(static_cast<int>(i));
    return items;
}

/// The CountTest loop: tries the candidates in order and stops at the first
/// whose count (`countOf(item)`) meets the rule; later ones are not tried.
template <class Item, class CountOf>
[[nodiscard]] constexpr std::optional<Item>
firstCandidateMeeting(const Candidates<Item>& candidates, const CountRule& rule, CountOf countOf) {
    for (const Item item : candidates)
        if (rule.holds(countOf(item)))
            return item;
    return std::nullopt;
}

/// The five-option reveal test over the counts of the found item: 无限制
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

/// The evaluation of a row that failed at `check`.
[[nodiscard]] constexpr RowEvaluation failedAt(RowCheck check) {
    RowEvaluation e;
    e.failed = check;
    return e;
}

/// The position test shared by the three hidden-stem row kinds: "不指定" and
/// "不固定" pass, and a pillar passes when one of its branch's slots holds the
/// item (`places`: where the row's item stands).
[[nodiscard]] constexpr bool pillarSlotsHold(const ConditionRow& row, PlaceSet places) {
    if (row.seeksAny())
        return true;
    if (std::holds_alternative<std::monostate>(row.sought))
        return false;
    if (row.position.kind == RowPosition::Kind::anywhere)
        return true;
    return row.position.kind == RowPosition::Kind::pillar &&
           (places & slotsOfPillar(row.position.pillar)) != 0;
}

/// A row's checks in order: PositionTest, CountTest, then RevealTest where the
/// group has one. `Group` supplies static positionTest, countTest (the found
/// item or nullopt), revealTest and the constant kHasReveal.
template <class Group>
[[nodiscard]] bool rowSatisfiedBy(const ConditionRow& row, const ChartFacts& facts) {
    if (!Group::positionTest(row, facts))
        return false;
    const auto found = Group::countTest(row, facts);
    if (!found)
        return false;
    if constexpr (Group::kHasReveal)
        return Group::revealTest(row, *found, facts);
    return true;
}

/// The same checks, keeping what they saw: `Group` also supplies countOf (the
/// count the rule is applied to) and placesOf (where the item stands).
template <class Group>
[[nodiscard]] RowEvaluation evaluateRowOf(const ConditionRow& row, const ChartFacts& facts) {
    if (!Group::positionTest(row, facts))
        return failedAt(RowCheck::position);
    const auto found = Group::countTest(row, facts);
    if (!found)
        return failedAt(RowCheck::count);
    RowEvaluation e;
    e.found = *found;
    e.count = Group::countOf(row, *found, facts);
    e.places = Group::placesOf(row, *found, facts);
    if constexpr (Group::kHasReveal) {
        if (!Group::revealTest(row, *found, facts)) {
            e.failed = RowCheck::reveal;
            return e;
        }
    }
    e.satisfied = true;
    return e;
}

} // namespace bazi
