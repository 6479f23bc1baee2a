#include "ui/main_window.h"

#include "ui/elided_label.h"

#include "ui/app_settings.h"
#include "ui/chart_lookup_page.h"
#include "ui/cn_calendar.h"
#include "ui/description_window.h"
#include "ui/file_dialogs.h"
#include "ui/form_file.h"
#include "ui/form_texts.h"
#include "ui/main_form.h"
#include "ui/range_search_page.h"
#include "ui/result_view.h"
#include "ui/time_settings_dialog.h"

#include <algorithm>

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>

namespace bazi::ui {

namespace {
// Space between a status message and the basis after it, size grip included.
constexpr int kMessageMargin = 40;
} // namespace

MainWindow::MainWindow(LanguageSwitcher* switcher, QWidget* parent)
    : QMainWindow(parent), m_switcher(switcher), m_pages(new QTabWidget(this)),
      m_form(new MainForm(m_pages)),
      m_rangePage(
          new RangeSearchPage([form = m_form] { return form->captureFormState(); }, m_pages)),
      m_lookupPage(new ChartLookupPage(m_pages)) {
    setObjectName(QStringLiteral("MainWindow"));
    m_pages->setObjectName(QStringLiteral("选择夹_功能"));
    m_pages->setDocumentMode(true);
    m_pages->addTab(m_form, QString());
    m_pages->addTab(m_rangePage, QString());
    m_pages->addTab(m_lookupPage, QString());
    setCentralWidget(m_pages);
    m_basis = new ElidedLabel(this);
    m_basis->setObjectName(QStringLiteral("标签_时间基准"));
    // A long basis line is cut with "…" rather than widening the window; the
    // tooltip holds it whole.
    statusBar()->addPermanentWidget(m_basis);
    // A message (a date refused, a file saved) is read first: while one shows,
    // the basis keeps what room the message leaves.
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString& message) {
        const int left = statusBar()->width() -
                         statusBar()->fontMetrics().horizontalAdvance(message) - kMessageMargin;
        m_basis->setMaximumWidth(message.isEmpty()
                                     ? QWIDGETSIZE_MAX
                                     : std::max(left, m_basis->minimumSizeHint().width()));
        // At once, not at the next turn of the event loop: the message is
        // drawn up to where the basis stands.
        if (QLayout* layout = statusBar()->layout())
            layout->activate();
    });
    buildMenus();
    m_saved = m_form->captureFormState();

    connect(m_form, &MainForm::formChanged, this, &MainWindow::updateTitle);
    // A message about a refused date is over once the form has changed.
    connect(m_form, &MainForm::formChanged, statusBar(), &QStatusBar::clearMessage);
    connect(m_form, &MainForm::statusMessage, this,
            [this](const QString& text) { statusBar()->showMessage(text, 10000); });
    connect(m_form, &MainForm::fatalError, this, [](int code) { QCoreApplication::exit(code); });
    connect(m_form, &MainForm::formChanged, m_rangePage, &RangeSearchPage::refreshConditions);
    connect(m_rangePage, &RangeSearchPage::editConditionsRequested, this,
            [this] { m_pages->setCurrentIndex(queryPage); });
    connect(m_rangePage, &RangeSearchPage::message, this, &MainWindow::showError);
    connect(m_lookupPage, &ChartLookupPage::message, this, &MainWindow::showError);
    if (m_switcher)
        connect(m_switcher, &LanguageSwitcher::languageChanged, this, [this](Language language) {
            if (QAction* action = languageAction(language))
                action->setChecked(true);
        });
    restoreSettings();
    retranslate();
}

void MainWindow::buildMenus() {
    m_fileMenu = menuBar()->addMenu(QString());
    m_newAction = m_fileMenu->addAction(QString(), this, &MainWindow::newForm);
    m_newAction->setShortcut(QKeySequence::New);
    m_openAction = m_fileMenu->addAction(QString(), this, &MainWindow::open);
    m_openAction->setShortcut(QKeySequence::Open);
    m_recentMenu = m_fileMenu->addMenu(QString());
    m_recentMenu->setObjectName(QStringLiteral("菜单_最近"));
    m_clearRecentAction = new QAction(this);
    connect(m_clearRecentAction, &QAction::triggered, this, &MainWindow::clearRecentFiles);
    m_saveAction = m_fileMenu->addAction(QString(), this, &MainWindow::save);
    m_saveAction->setShortcut(QKeySequence::Save);
    m_saveAsAction = m_fileMenu->addAction(QString(), this, &MainWindow::saveAs);
    m_saveAsAction->setShortcut(QKeySequence::SaveAs);
    m_fileMenu->addSeparator();
    // The result actions act on the table of the page shown.
    m_exportCsvAction = m_fileMenu->addAction(
        QString(), this, [this] { currentResultView()->askExport(ResultView::ExportFormat::csv); });
    m_exportJsonAction = m_fileMenu->addAction(QString(), this, [this] {
        currentResultView()->askExport(ResultView::ExportFormat::json);
    });
    m_printAction =
        m_fileMenu->addAction(QString(), this, [this] { currentResultView()->print(); });
    m_printAction->setShortcut(QKeySequence::Print);
    m_pdfAction = m_fileMenu->addAction(QString(), this, [this] { currentResultView()->askPdf(); });
    m_fileMenu->addSeparator();
    m_quitAction = m_fileMenu->addAction(QString(), this, &QWidget::close);
    m_quitAction->setShortcut(QKeySequence::Quit);
    m_quitAction->setMenuRole(QAction::QuitRole);

    m_editMenu = menuBar()->addMenu(QString());
    m_editMenu->addAction(m_form->undoAction());
    m_editMenu->addAction(m_form->redoAction());
    m_editMenu->addSeparator();
    m_copyAction =
        m_editMenu->addAction(QString(), this, [this] { currentResultView()->copySelection(); });
    m_editMenu->addSeparator();
    m_editMenu->addAction(m_form->clearPageAction());
    m_editMenu->addAction(m_form->clearAllAction());

    m_queryMenu = menuBar()->addMenu(QString());
    m_queryMenu->addAction(m_form->queryAction());
    m_inspectAction =
        m_queryMenu->addAction(QString(), this, [this] { currentResultView()->inspectCurrent(); });
    m_queryMenu->addSeparator();
    m_timeSettingsAction = m_queryMenu->addAction(QString(), this, &MainWindow::openTimeSettings);
    m_timeSettingsAction->setObjectName(QStringLiteral("动作_时间设置"));
    m_timeSettingsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    m_queryMenu->addSeparator();
    m_queryMenu->addAction(m_form->nextPageAction());
    m_queryMenu->addAction(m_form->previousPageAction());

    // The languages are named in themselves, whatever the language shown.
    m_languageMenu = menuBar()->addMenu(QString());
    m_languageGroup = new QActionGroup(this);
    for (Language language : kLanguages) {
        QAction* action = m_languageMenu->addAction(languageName(language));
        action->setObjectName(QStringLiteral("语言_") + languageCode(language));
        action->setCheckable(true);
        action->setData(languageCode(language));
        m_languageGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, language] { setLanguage(language); });
    }
    if (QAction* current =
            languageAction(m_switcher ? m_switcher->current() : Language::simplifiedChinese))
        current->setChecked(true);

    m_helpMenu = menuBar()->addMenu(QString());
    m_descriptionAction = m_helpMenu->addAction(QString(), m_form, &MainForm::showDescription);
    m_descriptionAction->setShortcut(QKeySequence::HelpContents);
    m_aboutAction = m_helpMenu->addAction(QString(), this, &MainWindow::showAbout);
    m_aboutAction->setMenuRole(QAction::AboutRole);

    // What can be done with the result follows whether there is one.
    connect(m_fileMenu, &QMenu::aboutToShow, this, [this] {
        const bool rows = currentResultView()->model()->rowCount() > 0;
        for (QAction* action : {m_exportCsvAction, m_exportJsonAction, m_printAction, m_pdfAction})
            action->setEnabled(rows);
    });
    connect(m_editMenu, &QMenu::aboutToShow, this,
            [this] { m_copyAction->setEnabled(currentResultView()->model()->rowCount() > 0); });
    connect(m_queryMenu, &QMenu::aboutToShow, this,
            [this] { m_inspectAction->setEnabled(currentResultView()->currentIndex().isValid()); });
}

ResultView* MainWindow::currentResultView() const {
    switch (m_pages->currentIndex()) {
    case rangeSearchPage: return m_rangePage->resultView();
    case chartLookupPage: return m_lookupPage->resultView();
    default: return m_form->resultGrid();
    }
}

void MainWindow::retranslate() {
    m_pages->setTabText(queryPage, tr("推算（三天）"));
    m_pages->setTabToolTip(queryPage, tr("设日期和条件，查该日及前两天的 36 个时辰"));
    m_pages->setTabText(rangeSearchPage, tr("时间范围"));
    m_pages->setTabToolTip(rangeSearchPage,
                           tr("在任意一段时间里找符合条件的时段，精确到秒（条件同“推算”页）"));
    m_pages->setTabText(chartLookupPage, tr("八字反查"));
    m_pages->setTabToolTip(chartLookupPage, tr("由四柱找出有这个八字的所有时段"));
    m_fileMenu->setTitle(tr("文件(&F)"));
    m_newAction->setText(tr("新建(&N)"));
    m_openAction->setText(tr("打开(&O)…"));
    m_recentMenu->setTitle(tr("最近打开(&R)"));
    m_clearRecentAction->setText(tr("清除列表"));
    m_saveAction->setText(tr("保存(&S)"));
    m_saveAsAction->setText(tr("另存为(&A)…"));
    m_exportCsvAction->setText(tr("导出结果为 CSV…"));
    m_exportJsonAction->setText(tr("导出结果为 JSON…"));
    m_printAction->setText(tr("打印结果(&P)…"));
    m_pdfAction->setText(tr("结果保存为 PDF…"));
    m_quitAction->setText(tr("退出(&Q)"));
    m_editMenu->setTitle(tr("编辑(&E)"));
    m_copyAction->setText(tr("复制所选结果(&C)"));
    m_queryMenu->setTitle(tr("查询(&Q)"));
    m_inspectAction->setText(tr("查看八字"));
    m_timeSettingsAction->setText(tr("时间设置(&T)…"));
    m_timeSettingsAction->setToolTip(tr("时区、出生地、真太阳时、晚子时：所有结果按此读"));
    // Named in English too, for whoever cannot read the language shown.
    const QString language = tr("语言(&L)");
    m_languageMenu->setTitle(language.contains(QStringLiteral("Language"))
                                 ? language
                                 : language + QStringLiteral(" / Language"));
    m_helpMenu->setTitle(tr("帮助(&H)"));
    m_descriptionAction->setText(tr("软件说明(&D)"));
    m_aboutAction->setText(tr("关于 bazi-seek(&A)"));
    showBasis();
    rebuildRecentMenu();
    updateTitle();
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

QAction* MainWindow::languageAction(Language language) const {
    for (QAction* action : m_languageGroup->actions())
        if (action->data().toString() == languageCode(language))
            return action;
    return nullptr;
}

void MainWindow::setLanguage(Language language) {
    if (m_switcher)
        m_switcher->install(language);
    QSettings().setValue(settings::kLanguage, languageCode(language));
}

bool MainWindow::isFormModified() const {
    return m_form->captureFormState() != m_saved;
}

void MainWindow::updateTitle() {
    const QString name = m_file.isEmpty() ? tr("未命名") : QFileInfo(m_file).fileName();
    setWindowTitle(tr("%1[*] — %2").arg(name, windowTitleText()));
    setWindowFilePath(m_file);
    setWindowModified(isFormModified());
}

void MainWindow::showError(const QString& text) {
    auto* box =
        new QMessageBox(QMessageBox::Critical, messageCaption(), text, QMessageBox::Ok, this);
    // Messages quote typed text and file names, which must never be read as
    // markup.
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    m_messageBox = box;
    box->open();
}

bool MainWindow::openFile(const QString& path) {
    FormState form;
    try {
        form = readFormFile(path, m_form->captureFormState().date);
    } catch (const FormFileError& e) {
        showError(e.message());
        if (!QFileInfo::exists(path)) {
            QStringList recent = recentFiles();
            recent.removeAll(QFileInfo(path).absoluteFilePath());
            QSettings().setValue(settings::kRecentFiles, recent);
            rebuildRecentMenu();
        }
        return false;
    }
    m_form->loadFormState(form);
    m_file = QFileInfo(path).absoluteFilePath();
    m_saved = m_form->captureFormState();
    addRecentFile(m_file);
    rememberFolderOf(m_file);
    updateTitle();
    statusBar()->showMessage(tr("已打开 %1").arg(QDir::toNativeSeparators(m_file)), 5000);
    return true;
}

bool MainWindow::saveToFile(const QString& path) {
    const FormState form = m_form->captureFormState();
    try {
        writeFormFile(path, form);
    } catch (const FormFileError& e) {
        showError(e.message());
        return false;
    }
    m_file = QFileInfo(path).absoluteFilePath();
    m_saved = form;
    addRecentFile(m_file);
    updateTitle();
    statusBar()->showMessage(tr("已保存 %1").arg(QDir::toNativeSeparators(m_file)), 5000);
    return true;
}

void MainWindow::newForm() {
    if (!maybeSave())
        return;
    m_form->loadFormState(FormState(civilFromQDate(CnCalendar::clampedDate(QDate::currentDate()))));
    m_file.clear();
    m_saved = m_form->captureFormState();
    updateTitle();
}

void MainWindow::open() {
    if (!maybeSave())
        return;
    const QString path =
        askOpenFileName(this, tr("打开条件文件"), tr("条件文件 (*.json);;所有文件 (*)"));
    if (!path.isEmpty())
        openFile(path);
}

bool MainWindow::save() {
    if (m_file.isEmpty())
        return saveAs();
    return saveToFile(m_file);
}

bool MainWindow::saveAs() {
    const QString suggested = m_file.isEmpty() ? tr("条件.json") : QFileInfo(m_file).fileName();
    const QString path =
        askSaveFileName(this, tr("保存条件文件"), suggested, tr("条件文件 (*.json)"));
    if (path.isEmpty())
        return false;
    return saveToFile(path);
}

void MainWindow::openRecent(const QString& path) {
    if (!maybeSave())
        return;
    openFile(path);
}

QStringList MainWindow::recentFiles() const {
    return QSettings().value(settings::kRecentFiles).toStringList();
}

void MainWindow::addRecentFile(const QString& path) {
    QStringList recent = recentFiles();
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > settings::kRecentFileCount)
        recent.removeLast();
    QSettings().setValue(settings::kRecentFiles, recent);
    rebuildRecentMenu();
}

void MainWindow::clearRecentFiles() {
    QSettings().remove(settings::kRecentFiles);
    rebuildRecentMenu();
}

void MainWindow::rebuildRecentMenu() {
    m_recentMenu->clear();
    const QStringList recent = recentFiles();
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent[i];
        QAction* action = m_recentMenu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()), this,
            [this, path] { openRecent(path); });
        action->setToolTip(QDir::toNativeSeparators(path));
        action->setStatusTip(QDir::toNativeSeparators(path));
    }
    m_recentMenu->addSeparator();
    m_recentMenu->addAction(m_clearRecentAction);
    m_clearRecentAction->setEnabled(!recent.isEmpty());
    m_recentMenu->setEnabled(true);
}

bool MainWindow::maybeSave() {
    if (!isFormModified())
        return true;
    QMessageBox box(QMessageBox::Warning, windowTitleText(), tr("条件已改动，尚未保存。要保存吗？"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("询问_保存"));
    box.setInformativeText(m_file.isEmpty() ? tr("不保存，改动的条件就会丢失。")
                                            : tr("文件：%1").arg(QDir::toNativeSeparators(m_file)));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save: return save();
    case QMessageBox::Discard: return true;
    default: return false;
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    saveSettings();
    event->accept();
}

void MainWindow::restoreSettings() {
    const QSettings store;
    if (!restoreGeometry(store.value(settings::kGeometry).toByteArray()))
        resize(sizeHint());
    restoreState(store.value(settings::kWindowState).toByteArray());
    // The time basis of the last run; one that no longer gives a basis (a zone
    // gone from the tz database) leaves the calendar's own, and says so.
    const TimeSettings saved = loadTimeSettings(store);
    const SettingsBasis chosen = basisFromSettings(saved);
    if (chosen.problem == SettingsProblem::none) {
        m_timeSettings = saved;
        applyTimeBasis(chosen.basis);
    } else {
        applyTimeBasis(basisFromSettings(TimeSettings{}).basis);
        statusBar()->showMessage(tr("上次的时间设置无法使用（%1），现按日历的默认时间基准")
                                     .arg(settingsProblemText(chosen.problem, saved)),
                                 15000);
    }
}

void MainWindow::applyTimeBasis(const TimeBasis& basis) {
    m_timeBasis = basis;
    m_form->setTimeBasis(m_timeBasis);
    m_rangePage->setTimeBasis(m_timeBasis);
    m_lookupPage->setTimeBasis(m_timeBasis);
}

bool MainWindow::setTimeSettings(const TimeSettings& chosen) {
    const SettingsBasis basis = basisFromSettings(chosen);
    if (basis.problem != SettingsProblem::none)
        return false;
    m_timeSettings = chosen;
    QSettings store;
    saveTimeSettings(store, chosen);
    applyTimeBasis(basis.basis);
    showBasis();
    return true;
}

void MainWindow::openTimeSettings() {
    if (m_timeDialog) {
        m_timeDialog->raise();
        m_timeDialog->activateWindow();
        return;
    }
    auto* dialog = new TimeSettingsDialog(m_timeSettings, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &QDialog::accepted, this,
            [this, dialog] { setTimeSettings(dialog->settings()); });
    m_timeDialog = dialog;
    dialog->open();
}

TimeSettingsDialog* MainWindow::timeSettingsDialog() const {
    return m_timeDialog.data();
}

void MainWindow::showBasis() {
    m_basis->setText(tr("时间基准：%1").arg(basisLineText(m_timeBasis)));
    m_basis->setToolTip(m_basis->text() + QLatin1Char('\n') +
                        tr("所有结果都按这个时间基准读；在“查询 → 时间设置…”（Ctrl+T）中更改"));
    // Another basis than the calendar's stands out, so that no result is read
    // as if on the calendar's clock.
    QFont font = m_basis->font();
    font.setBold(!m_timeBasis.isDefault());
    m_basis->setFont(font);
}

void MainWindow::saveSettings() const {
    QSettings store;
    store.setValue(settings::kGeometry, saveGeometry());
    store.setValue(settings::kWindowState, saveState());
}

void MainWindow::showAbout() {
    QMessageBox::about(
        this, tr("关于 bazi-seek"),
        tr("<p><b>%1</b></p><p>按八字条件找时间的桌面与命令行工具：为择时找出合条件的时辰，"
           "或为不确定的出生时间寻找可能的时辰。</p><p>Qt %2</p>")
            .arg(versionText().toHtmlEscaped(), QString::fromLatin1(qVersion())));
}

} // namespace bazi::ui
