#include "ui/qt_values.h"

namespace bazi::ui {

QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

CivilDate civilFromQDate(QDate date) {
    return {date.year(), date.month(), date.day()};
}

QDate qDateFromCivil(CivilDate date) {
    return QDate(date.year, date.month, date.day);
}

} // namespace bazi::ui
