#include "cli/chart_input.h"

#include "calendar/day_hour_pillars.h"
#include "calendar/four_pillars.h"
#include "calendar/sexagenary.h"
#include "cli/cli_common.h"
#include "form/message_text.h"
#include "texts/lookup_texts.h"

#include <vector>

namespace bazi::cli {
namespace {

constexpr std::string_view kForm =
    "write four pillars, year to hour, as \"丙申 辛卯 丁酉 辛亥\" or \"丙申辛卯丁酉辛亥\", "
    "with * for a pillar not known";

// Bytes of the UTF-8 character that starts with `lead` (1 for a stray byte).
std::size_t characterLength(unsigned char lead) {
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

// Four pillars are at most eight characters; a ninth says that more follow.
constexpr std::size_t kCharactersRead = 9;

// The first kCharactersRead characters of `text` without blanks (ASCII spaces
// and tabs, full-width spaces): a batch line of any length costs no more.
std::vector<std::string_view> charactersOf(std::string_view text) {
    std::vector<std::string_view> out;
    for (std::size_t i = 0; i < text.size() && out.size() < kCharactersRead;) {
        const std::size_t n =
            std::min(characterLength(static_cast<unsigned char>(text[i])), text.size() - i);
        const std::string_view c = text.substr(i, n);
        i += n;
        if (c != " " && c != "\t" && c != "\u3000")
            out.push_back(c);
    }
    return out;
}

} // namespace

ChartPattern parseChart(std::string_view text, bool lateZiSameDay) {
    const std::vector<std::string_view> chars = charactersOf(text);
    ChartPattern chart;
    std::size_t k = 0;
    std::size_t pillar = 0;
    for (; k < chars.size() && pillar < 4; ++pillar) {
        if (chars[k] == "*") {
            ++k;
            continue;
        }
        if (k + 1 >= chars.size())
            break;
        const std::string pair = std::string(chars[k]) + std::string(chars[k + 1]);
        const Stem stem = stemOfText(chars[k]);
        const Branch branch = branchOfText(chars[k + 1]);
        if (!stem.ok() || !branch.ok())
            throw InputError(quotedForMessage(text) + ": " + quotedForMessage(pair) +
                             " is not a pillar; " + std::string(kForm));
        const Pillar p = pillarOf(stem, branch);
        if (!p.ok())
            throw InputError(
                quotedForMessage(pair) +
                " is not one of the sixty pillars: a stem and a branch of the same "
                "polarity (甲丙戊庚壬 with 子寅辰午申戌, 乙丁己辛癸 with 丑卯巳未酉亥)");
        chart.pillars[pillar] = p.cycle;
        k += 2;
    }
    if (pillar != 4 || k != chars.size())
        throw InputError(quotedForMessage(text) + " is not four pillars; " + std::string(kForm));

    switch (problemOf(chart, lateZiSameDay)) {
    case ChartProblem::none: break;
    case ChartProblem::monthNotOfYear: {
        const Pillar year(chart.pillars[0]), month(chart.pillars[1]);
        const Pillar only(monthPillarOf(year.cycle, month.branch().index + 1));
        throw InputError(
            "the month pillar " + pillarText(month) + " cannot stand in a " +
            std::string(stemText(year.stem())) + " year: the month stem follows the year stem (" +
            std::string(monthStemVerse(year.stem())) + "); " + std::string(stemText(year.stem())) +
            "年的" + std::string(branchText(month.branch())) + "月只能是" + pillarText(only));
    }
    case ChartProblem::hourNotOfDay: {
        const Pillar day(chart.pillars[2]), hour(chart.pillars[3]);
        std::string hours;
        for (int branch = 1; branch <= 12; ++branch) {
            if (branch > 1)
                hours += ' ';
            hours += pillarText(hourPillarOf(day.cycle, branch));
        }
        std::string late;
        if (lateZiSameDay)
            late = "; from 23:00 under the same-day late 子 also " +
                   pillarText(hourPillarOf(cycleAdd(day.cycle, 1), 1));
        throw InputError("the hour pillar " + pillarText(hour) + " cannot stand on a " +
                         std::string(stemText(day.stem())) +
                         " day: the hour stem follows the day stem (" +
                         std::string(hourStemVerse(day.stem())) + "); " +
                         std::string(stemText(day.stem())) + "日的时柱只能是 " + hours + late);
    }
    }
    return chart;
}

} // namespace bazi::cli
