#include "texts/lookup_texts.h"

#include <array>

namespace bazi {
namespace {

// The rules as the almanacs' verses give them, one line per pair of stems
// (甲己, 乙庚, 丙辛, 丁壬, 戊癸). Reference: 三命通会, 论五虎遁 and 论五鼠遁.
// clang-format off
constexpr std::array<std::string_view, 5> kFiveTigers = {
    "甲己之年丙作首", "乙庚之岁戊为头", "丙辛必定寻庚起", "丁壬壬位顺行流", "戊癸何方发，甲寅之上好追求"};
constexpr std::array<std::string_view, 5> kFiveRats = {
    "甲己还加甲", "乙庚丙作初", "丙辛从戊起", "丁壬庚子居", "戊癸何方发，壬子是真途"};
// clang-format on

} // namespace

std::string chartPatternText(const ChartPattern& chart) {
    std::string text;
    for (std::size_t k = 0; k < 4; ++k) {
        if (k > 0)
            text += ' ';
        text += chart.known(k) ? pillarText(chart.pillars[k]) : std::string("*");
    }
    return text;
}

std::string_view monthStemVerse(Stem yearStem) {
    return yearStem.ok() ? kFiveTigers[static_cast<std::size_t>(yearStem.index % 5)]
                         : std::string_view{};
}

std::string_view hourStemVerse(Stem dayStem) {
    return dayStem.ok() ? kFiveRats[static_cast<std::size_t>(dayStem.index % 5)]
                        : std::string_view{};
}

} // namespace bazi
