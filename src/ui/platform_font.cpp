#include "ui/platform_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace bazi::ui {

QFont formFont() {
    static const QStringList preferred = {
        QStringLiteral("SimSun"), // Windows
        QStringLiteral("宋体"),
        QStringLiteral("NSimSun"),
        QStringLiteral("Noto Sans Mono CJK SC"), // Debian fonts-noto-cjk
        QStringLiteral("Noto Sans CJK SC"),
        QStringLiteral("Source Han Sans SC"),
        QStringLiteral("WenQuanYi Zen Hei Mono"),
        QStringLiteral("WenQuanYi Micro Hei"),
        QStringLiteral("Songti SC"), // macOS
        QStringLiteral("STSong"),
        QStringLiteral("PingFang SC"),
        QStringLiteral("Microsoft YaHei"),
    };
    const QStringList installed = QFontDatabase::families();
    QString family;
    for (const QString& name : preferred) {
        if (installed.contains(name, Qt::CaseInsensitive)) {
            family = name;
            break;
        }
    }
    if (family.isEmpty()) {
        const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
        if (!chinese.isEmpty())
            family = chinese.first();
    }
    QFont font;
    if (!family.isEmpty())
        font.setFamilies({family});
    font.setPixelSize(12);
    return font;
}

} // namespace bazi::ui
