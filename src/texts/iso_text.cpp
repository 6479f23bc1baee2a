#include "texts/iso_text.h"

namespace bazi {
namespace {

// Appends `value` (0..9999) with at least `width` digits, zero-padded. Written
// by hand rather than with snprintf: a long listing writes two moments a line.
void appendDigits(std::string& out, int value, int width) {
    char digits[4];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0 && n < 4);
    for (int pad = n; pad < width; ++pad)
        out += '0';
    while (n > 0)
        out += digits[--n];
}

std::string momentText(CivilDateTime moment, char separator) {
    std::string text = isoDateText(moment.date);
    text += separator;
    appendDigits(text, moment.hour, 2);
    text += ':';
    appendDigits(text, moment.minute, 2);
    text += ':';
    appendDigits(text, moment.second, 2);
    return text;
}

} // namespace

std::string isoDateText(CivilDate date) {
    std::string text;
    text.reserve(19);
    appendDigits(text, date.year, 4);
    text += '-';
    appendDigits(text, date.month, 2);
    text += '-';
    appendDigits(text, date.day, 2);
    return text;
}

std::string isoMomentText(CivilDateTime moment) {
    return momentText(moment, 'T');
}

std::string spacedIsoMomentText(CivilDateTime moment) {
    return momentText(moment, ' ');
}

} // namespace bazi
