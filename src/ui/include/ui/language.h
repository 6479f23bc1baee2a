#pragma once
// The window's languages: Simplified Chinese (the source texts), Traditional
// Chinese and English (the traditional terms kept beside their gloss). A
// language is installed as two translators: the window's own (built into the
// program) and Qt's for its standard buttons and dialogs (Debian's
// qt6-translations-l10n, from Qt's translations folder). Installing sends
// every widget a LanguageChange, on which it writes its texts anew.

#include <QObject>
#include <QString>

#include <optional>

class QTranslator;

namespace bazi::ui {

enum class Language { simplifiedChinese, traditionalChinese, english };
inline constexpr Language kLanguages[] = {Language::simplifiedChinese, Language::traditionalChinese,
                                          Language::english};

/// "zh_CN", "zh_TW", "en".
[[nodiscard]] QString languageCode(Language language);
[[nodiscard]] std::optional<Language> languageFromCode(const QString& code);
/// The language's name in itself: "简体中文", "繁體中文", "English".
[[nodiscard]] QString languageName(Language language);
/// The language closest to a locale: Traditional Chinese for Taiwan, Hong Kong
/// and Macau and for Hant script, English for English, else Simplified Chinese.
[[nodiscard]] Language languageOfLocale(const QLocale& locale);

class LanguageSwitcher : public QObject {
    Q_OBJECT
public:
    explicit LanguageSwitcher(QObject* parent = nullptr);
    ~LanguageSwitcher() override;

    [[nodiscard]] Language current() const { return m_current; }
    /// Installs the language's translators in place of the previous ones.
    /// False when the window's own translation is missing (the source texts
    /// stay); Qt's own translation is optional.
    bool install(Language language);
    /// Did the last install find Qt's translation for its standard texts.
    [[nodiscard]] bool hasQtTranslation() const { return m_hasQt; }

Q_SIGNALS:
    void languageChanged(Language language);

private:
    Language m_current = Language::simplifiedChinese;
    QTranslator* m_own;
    QTranslator* m_qt;
    bool m_hasQt = false;
};

} // namespace bazi::ui
