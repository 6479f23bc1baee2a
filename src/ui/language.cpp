#include "ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace bazi::ui {

QString languageCode(Language language) {
    switch (language) {
    case Language::simplifiedChinese: return QStringLiteral("zh_CN");
    case Language::traditionalChinese: return QStringLiteral("zh_TW");
    case Language::english: return QStringLiteral("en");
    }
    return {};
}

std::optional<Language> languageFromCode(const QString& code) {
    for (Language language : kLanguages)
        if (languageCode(language).compare(code, Qt::CaseInsensitive) == 0)
            return language;
    return std::nullopt;
}

QString languageName(Language language) {
    switch (language) {
    case Language::simplifiedChinese: return QStringLiteral("简体中文");
    case Language::traditionalChinese: return QStringLiteral("繁體中文");
    case Language::english: return QStringLiteral("English");
    }
    return {};
}

Language languageOfLocale(const QLocale& locale) {
    if (locale.language() == QLocale::English)
        return Language::english;
    if (locale.language() == QLocale::Chinese) {
        const QLocale::Territory t = locale.territory();
        if (locale.script() == QLocale::TraditionalChineseScript || t == QLocale::Taiwan ||
            t == QLocale::HongKong || t == QLocale::Macao)
            return Language::traditionalChinese;
    }
    return Language::simplifiedChinese;
}

LanguageSwitcher::LanguageSwitcher(QObject* parent)
    : QObject(parent), m_own(new QTranslator(this)), m_qt(new QTranslator(this)) {}

LanguageSwitcher::~LanguageSwitcher() {
    QCoreApplication::removeTranslator(m_own);
    QCoreApplication::removeTranslator(m_qt);
}

bool LanguageSwitcher::install(Language language) {
    QCoreApplication::removeTranslator(m_own);
    QCoreApplication::removeTranslator(m_qt);
    const QString code = languageCode(language);
    QLocale::setDefault(QLocale(language == Language::english ? QStringLiteral("en_US") : code));

    // Qt's own texts (buttons "确定", "取消", the file and print dialogs).
    m_hasQt = m_qt->load(QStringLiteral("qtbase_") + code,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (m_hasQt)
        QCoreApplication::installTranslator(m_qt);
    // The window's texts; Simplified Chinese is written in the sources.
    bool ok = true;
    if (language != Language::simplifiedChinese) {
        ok = m_own->load(QStringLiteral(":/i18n/bazi-seek_") + code);
        if (ok)
            QCoreApplication::installTranslator(m_own);
    }
    m_current = language;
    Q_EMIT languageChanged(language);
    return ok;
}

} // namespace bazi::ui
