#include "ui/row_geometry.h"

#include <array>

namespace bazi::ui {
namespace {

constexpr int kTops5[] = {18, 43, 68, 93, 118};
constexpr int kTops4Even[] = {18, 43, 68, 93};
constexpr int kTops4Wide[] = {18, 45, 72, 100};
constexpr int kTops7[] = {18, 44, 70, 96, 122, 148, 174};
constexpr int kTops12[] = {18, 45, 72, 99, 126, 153, 180, 207, 234, 261, 288, 318};
constexpr int kRadioTops5[] = {8, 33, 58, 83, 108};
constexpr int kRadioTops7[] = {10, 36, 62, 88, 114, 138, 164};
constexpr std::span<const int> kNone{};

using enum GroupId;

// clang-format off
const std::array<GroupGeometry, 8> kGeometry = {{
//   group         box (in its page)           rows        value pos  count check width radio radio tops
    {elementChart,  QRect(10, 33, 710, 150), kTops5,     74, 202, 326,   0,  0, 404, kRadioTops5},
    {elementHidden, QRect(10, 189, 455, 150), kTops5,    74, 202, 326, 402, 48,   0, kNone},
    {stem,          QRect(10, 33, 472, 123), kTops4Even, 75, 205, 332, 408, 60,   0, kNone},
    {branch,        QRect(10, 164, 406, 129), kTops4Wide, 75, 205, 332,  0,  0,   0, kNone},
    {hiddenStem,    QRect(10, 301, 462, 129), kTops4Wide, 75, 205, 332, 408, 48,  0, kNone},
    {tenGodChart,   QRect(10, 33, 712, 205), kTops7,     74, 202, 326,   0,  0, 406, kRadioTops7},
    {tenGodHidden,  QRect(10, 246, 462, 202), kTops7,    75, 205, 332, 408, 48,   0, kNone},
    {spiritStar,    QRect(10, 33, 406, 352), kTops12,    75, 205, 332,   0,  0,   0, kNone},
}};
// clang-format on

} // namespace

const GroupGeometry& groupGeometry(GroupId id) {
    return kGeometry[static_cast<std::size_t>(id)];
}

} // namespace bazi::ui
