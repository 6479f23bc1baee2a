#pragma once
// MainWindow, the application around the form: its menus (文件, 编辑, 查询,
// 语言, 帮助), saved searches (open, save, recent files, the file given on the
// command line), the question before losing unsaved changes, the language,
// the time basis ("时间设置", stated in the status line at all times), and
// what is kept between runs (window geometry, last folder, recent files,
// language, time settings) in QSettings.
//
// Three pages, one beside the other: "推算" (the form and its three-day
// query), "时间范围" (the range search over the form's conditions) and
// "八字反查" (the reverse lookup). The File and Edit menus act on the result
// table of the page shown.

#include "form/form_state.h"
#include "ui/language.h"
#include "ui/time_settings.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QTabWidget;

namespace bazi::ui {

class ChartLookupPage;
class MainForm;
class RangeSearchPage;
class ResultView;
class TimeSettingsDialog;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    /// `switcher` installs the languages; the window does not own it.
    explicit MainWindow(LanguageSwitcher* switcher, QWidget* parent = nullptr);

    [[nodiscard]] MainForm* form() const { return m_form; }
    [[nodiscard]] RangeSearchPage* rangePage() const { return m_rangePage; }
    [[nodiscard]] QTabWidget* pages() const { return m_pages; }
    /// The result table of the page shown.
    [[nodiscard]] ResultView* currentResultView() const;
    enum Page { queryPage, rangeSearchPage, chartLookupPage };
    /// The file the form was opened from or saved to; empty for a new form.
    [[nodiscard]] QString currentFile() const { return m_file; }
    /// Does the form differ from what was last opened, saved or started with.
    [[nodiscard]] bool isFormModified() const;
    [[nodiscard]] QStringList recentFiles() const;

    /// Opens a saved search; a file that cannot be used leaves the form as it
    /// was and shows a message naming the file and the problem. No question
    /// about unsaved changes is asked here (see open()).
    bool openFile(const QString& path);
    /// Saves to a file and makes it the current one; a message on failure.
    bool saveToFile(const QString& path);

    /// What the menu entries do (with their dialogs and questions).
    void newForm();
    void open();
    bool save();
    bool saveAs();
    void openRecent(const QString& path);
    void clearRecentFiles();
    void setLanguage(Language language);
    /// Opens "时间设置" (window-modal); OK takes its choice.
    void openTimeSettings();
    /// Takes a time setting: remembers it, runs every page on its basis and
    /// states it in the status line. False (and nothing changes) when it gives
    /// no basis.
    bool setTimeSettings(const TimeSettings& settings);
    [[nodiscard]] const TimeSettings& timeSettings() const { return m_timeSettings; }
    [[nodiscard]] const TimeBasis& timeBasis() const { return m_timeBasis; }
    /// The dialog "时间设置" while it is open, or null.
    [[nodiscard]] TimeSettingsDialog* timeSettingsDialog() const;
    /// The status line's statement of the basis.
    [[nodiscard]] QLabel* basisLabel() const { return m_basis; }

    /// The message box on screen (a failed open or save), or null.
    [[nodiscard]] QMessageBox* messageBox() const { return m_messageBox.data(); }

    // Menus and actions, for tests and for pages added later.
    QMenu* recentMenu() const { return m_recentMenu; }
    QMenu* editMenu() const { return m_editMenu; }
    /// "复制所选结果": enabled as the Edit menu opens when the table of the
    /// page shown has rows.
    QAction* copyAction() const { return m_copyAction; }
    QAction* timeSettingsAction() const { return m_timeSettingsAction; }
    QAction* languageAction(Language language) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();
    void retranslate();
    void updateTitle();
    void rebuildRecentMenu();
    void addRecentFile(const QString& path);
    void showError(const QString& text);
    /// Asks whether to save unsaved changes; false when the user cancels (or
    /// saving fails), so that nothing is lost.
    bool maybeSave();
    void restoreSettings();
    void saveSettings() const;
    void showAbout();
    void showBasis();
    /// Keeps the basis and hands it to the three pages.
    void applyTimeBasis(const TimeBasis& basis);

    LanguageSwitcher* m_switcher;
    QTabWidget* m_pages;
    MainForm* m_form;
    RangeSearchPage* m_rangePage;
    ChartLookupPage* m_lookupPage;
    QString m_file;
    FormState m_saved; // what the file (or the new form) holds
    QPointer<QMessageBox> m_messageBox;
    QLabel* m_basis = nullptr;
    TimeSettings m_timeSettings;
    TimeBasis m_timeBasis;
    QPointer<TimeSettingsDialog> m_timeDialog;

    QMenu* m_fileMenu = nullptr;
    QMenu* m_recentMenu = nullptr;
    QMenu* m_editMenu = nullptr;
    QMenu* m_queryMenu = nullptr;
    QMenu* m_languageMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QAction* m_newAction = nullptr;
    QAction* m_openAction = nullptr;
    QAction* m_saveAction = nullptr;
    QAction* m_saveAsAction = nullptr;
    QAction* m_exportCsvAction = nullptr;
    QAction* m_exportJsonAction = nullptr;
    QAction* m_printAction = nullptr;
    QAction* m_pdfAction = nullptr;
    QAction* m_quitAction = nullptr;
    QAction* m_copyAction = nullptr;
    QAction* m_inspectAction = nullptr;
    QAction* m_timeSettingsAction = nullptr;
    QAction* m_clearRecentAction = nullptr;
    QAction* m_descriptionAction = nullptr;
    QAction* m_aboutAction = nullptr;
    QActionGroup* m_languageGroup = nullptr;
};

} // namespace bazi::ui
