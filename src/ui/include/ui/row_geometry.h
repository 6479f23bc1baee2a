#pragma once
// Where the condition rows stand: one table entry per group box, giving the
// box's rectangle in its page, the top of each row and the left edge of each
// control kind. The row factory builds every row from this and the catalog.

#include "form/form_catalog.h"

#include <QRect>

#include <span>

namespace bazi::ui {

struct GroupGeometry {
    GroupId id;
    QRect box;                    // in its page of the page control
    std::span<const int> rowTops; // in the box, row 1 first
    int valueLeft;                // value box, 80 wide
    int positionLeft;             // position box, 80 wide
    int countLeft;                // count box, 65 wide
    int checkLeft;                // the row's check box; unused without one
    int checkWidth;
    int radioSetLeft; // the radio set's own box, 296 x 30; unused without one
    std::span<const int> radioSetTops;
};

/// Sizes shared by every row.
inline constexpr int kRowLabelLeft = 10;
inline constexpr int kRowLabelWidth = 60;
inline constexpr int kSmallLabelWidth = 40; // "位置：", "数量："
inline constexpr int kValueWidth = 80;
inline constexpr int kPositionWidth = 80;
inline constexpr int kCountWidth = 65;
inline constexpr int kRowHeight = 20;
inline constexpr QSize kRadioSetSize{296, 30};

/// One radio box of a set: left and width inside the set's box, at top 10,
/// height 18, in RevealOption order (无限制, 透干, 虚浮, 通根, 不透).
struct RadioPlace {
    int left;
    int width;
};
inline constexpr RadioPlace kRadioPlaces[5] = {{8, 56}, {73, 48}, {130, 46}, {185, 48}, {242, 46}};
inline constexpr int kRadioTop = 10;
inline constexpr int kRadioHeight = 18;

/// The geometry of a group box.
[[nodiscard]] const GroupGeometry& groupGeometry(GroupId id);

} // namespace bazi::ui
