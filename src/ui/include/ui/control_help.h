#pragma once
// The explanations the form gives where people get stuck: a tooltip for
// every kind of control, and the hint shown while a row asks for a count of
// "0" of a value it names (picking 金 alone searches for charts without metal).

#include "form/form_catalog.h"
#include "form/form_state.h"

#include <QString>

#include <optional>

namespace bazi::ui {

[[nodiscard]] QString valueBoxHelp(GroupId group);
[[nodiscard]] QString positionBoxHelp(GroupId group);
[[nodiscard]] QString countBoxHelp(GroupId group);
/// The check box of a row: "不透" or "藏干无".
[[nodiscard]] QString revealCheckHelp(GroupId group);
[[nodiscard]] QString revealOptionHelp(RevealOption option);
[[nodiscard]] QString swapBoxHelp();
[[nodiscard]] QString femaleBoxHelp();
[[nodiscard]] QString pageHelp(int page);

/// A row that names a value (not "-" nor "不指定") while its count is "0".
struct CountTrap {
    GroupId group;
    int row;
    friend bool operator==(const CountTrap&, const CountTrap&) = default;
};

/// The rows of a form state that fall into the trap, in evaluation order.
[[nodiscard]] std::vector<CountTrap> countTraps(const FormState& form);

/// The hint for the traps (empty for none): the first one named, with its
/// value, and how many there are.
[[nodiscard]] QString countTrapHint(const FormState& form, const std::vector<CountTrap>& traps);

} // namespace bazi::ui
