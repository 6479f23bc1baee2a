#include "ui/main_form.h"

#include "chartlib/chart_primitives.h"
#include "form/form_catalog.h"
#include "ui/cn_calendar.h"
#include "ui/condition_row.h"
#include "ui/control_help.h"
#include "ui/description_window.h"
#include "ui/form_layout.h"
#include "ui/form_texts.h"
#include "ui/message_texts.h"
#include "ui/note_label.h"
#include "ui/page_control.h"
#include "ui/platform_font.h"
#include "ui/query_result_model.h"
#include "ui/result_grid.h"
#include "ui/result_view.h"
#include "ui/row_geometry.h"
#include "ui/search_page_parts.h"
#include "ui/terms.h"
#include "ui/time_settings.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>

namespace bazi::ui {
namespace {

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, QRect geometry) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

QCheckBox* makeCheckBox(QWidget* parent, std::string_view name, QRect geometry) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(toQString(name));
    box->setGeometry(geometry);
    return box;
}

// The form state with every control of one page back in its initial state.
FormState withPageCleared(FormState form, int page) {
    const FormState initial(form.date);
    for (const std::string& name : allControlNames()) {
        const std::optional<ControlSpec> spec = findControl(name);
        if (!spec || groupSpec(spec->group).page != page)
            continue;
        if (spec->kind == ControlKind::comboBox)
            form.select(name, initial.selection(name));
        else
            form.setChecked(name, initial.isChecked(name));
    }
    return form;
}

} // namespace

// One recorded change of the form: the whole state before and after it. Its
// description is kept as the source text, so that the undo actions name it in
// the language shown when they are read.
class MainForm::FormChange : public QUndoCommand {
public:
    FormChange(MainForm* form, FormState before, FormState after, const char* description,
               bool alreadyApplied)
        : QUndoCommand(QString::fromUtf8(description)), m_form(form), m_before(std::move(before)),
          m_after(std::move(after)), m_skipRedo(alreadyApplied), m_description(description) {}

    [[nodiscard]] QString description() const { return MainForm::tr(m_description); }

    void undo() override { m_form->applyFormState(m_before); }
    void redo() override {
        if (m_skipRedo) {
            m_skipRedo = false;
            return;
        }
        m_form->applyFormState(m_after);
    }

private:
    MainForm* m_form;
    FormState m_before, m_after;
    bool m_skipRedo;
    const char* m_description;
};

MainForm::MainForm(QWidget* parent)
    : QWidget(parent), m_runner([](const FormState& form, const WindowChartSource& charts) {
          return bazi::runQuery(form, charts);
      }),
      m_undo(new QUndoStack(this)) {
    setObjectName(QStringLiteral("MainForm"));
    setFont(formFont());
    move(50, 50);
    resize(clientSizeFromOuter(kFormOuterSize));
    // Below its designed size the notes and labels of the form would overlap.
    setMinimumSize(clientSizeFromOuter(kFormOuterSize));

    buildTopRow();
    buildPages();
    m_warning = makeLabel(this, QStringLiteral("标签157"), QString(), kWarningLineDesign);
    m_hint = makeLabel(this, QStringLiteral("标签_提示"), QString(), kWarningLineDesign);
    m_hint->setAutoFillBackground(true);
    QPalette hintColours = m_hint->palette();
    hintColours.setColor(QPalette::Window, QColor(0xff, 0xf2, 0xcc));
    hintColours.setColor(QPalette::WindowText, QColor(0x60, 0x40, 0x00));
    m_hint->setPalette(hintColours);
    m_hint->hide();
    m_description = new DescriptionWindow(this);
    buildActions();
    retranslate();
    applyLayout();
    m_committed = captureFormState();
}

MainForm::~MainForm() {
    // The undo commands refer to the form; they go before its controls do.
    m_undo->clear();
}

void MainForm::buildTopRow() {
    m_dateLabel = makeLabel(this, QStringLiteral("标签161"), QString(), QRect(20, 8, 44, 24));
    m_date = new CnCalendar(this);
    m_date->setObjectName(QStringLiteral("农历日期框1"));
    m_date->setGeometry(72, 8, 304, 24);
    m_dateLabel->setBuddy(m_date);
    m_queryButton = new QPushButton(this);
    m_queryButton->setObjectName(QStringLiteral("按钮_查询"));
    m_queryButton->setGeometry(381, 8, 94, 24);
    m_descriptionButton = new QPushButton(this);
    m_descriptionButton->setObjectName(QStringLiteral("按钮1"));
    m_descriptionButton->setGeometry(480, 8, 66, 24);
    m_status = makeLabel(this, QStringLiteral("标签18"), QString(), QRect(551, 8, 92, 24));
    m_summary = makeLabel(this, QStringLiteral("标签19"), QString(), QRect(649, 8, 135, 24));

    connect(m_queryButton, &QPushButton::clicked, this, &MainForm::runQuery);
    connect(m_descriptionButton, &QPushButton::clicked, this, &MainForm::showDescription);
    connect(m_date, &CnCalendar::dateChanged, this, [this] { recordChange(QT_TR_NOOP("改日期")); });
    connect(m_date, &CnCalendar::entryRefused, this, &MainForm::statusMessage);
}

void MainForm::buildPages() {
    m_pages = new PageControl(this);
    m_pages->setObjectName(QStringLiteral("高级选择夹1"));
    m_pages->setFont(formFont());
    m_pages->setGeometry(QRect(kPageControlOrigin, QSize(776, 490)));
    for (int page = 0; page <= kResultPage; ++page)
        m_pages->addPage(QString());

    // The condition rows, group box by group box, built from the catalog.
    for (const GroupSpec& spec : groupSpecs()) {
        auto* box = new QGroupBox(m_pages->page(spec.page));
        box->setObjectName(toQString(spec.boxName));
        box->setGeometry(groupGeometry(spec.id).box);
        m_groupBoxes.push_back(box);
        for (int row = 1; row <= spec.rowCount; ++row) {
            ConditionRow* r = ConditionRow::build(box, spec, row);
            connect(r, &ConditionRow::edited, this, [this] { recordChange(QT_TR_NOOP("改条件")); });
            m_rows.push_back(r);
        }
    }

    buildNotes(m_pages->page(0));
    m_swap = makeCheckBox(m_pages->page(2), kSwapCheckBox, QRect(482, 248, 128, 24));
    // 女命 beside the first spirit-star row, right of its group box.
    m_female = makeCheckBox(m_pages->page(3), kFemaleCheckBox, QRect(430, 49, 80, 24));
    for (QCheckBox* box : {m_swap, m_female})
        connect(box, &QCheckBox::clicked, this, [this] { recordChange(QT_TR_NOOP("改条件")); });

    m_resultModel = new QueryResultModel(this);
    m_grid = createResultGrid(m_pages->page(kResultPage), m_resultModel);
    m_grid->setGeometry(QRect(kResultGridOrigin, QSize(763, 430)));
    connect(m_grid, &ResultView::failed, this,
            [this](const QString& message) { showMessage(message, MessageKind::information); });
    m_staleNote = makeLabel(m_pages->page(kResultPage), QStringLiteral("标签_过时"), QString(),
                            QRect(0, 0, 0, 0));
    m_staleNote->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setWarningColour(m_staleNote);
    m_staleNote->hide();
}

void MainForm::buildNotes(QWidget* page) {
    // The two long notes keep the 12 px line pitch they are laid out for.
    auto* explanation = new NoteLabel(QString(), 12, page);
    explanation->setObjectName(QStringLiteral("标签158"));
    explanation->setGeometry(472, 203, 288, 136);
    auto* example = new NoteLabel(QString(), 12, page);
    example->setObjectName(QStringLiteral("标签159"));
    example->setGeometry(10, 344, 734, 89);
    m_explanation = explanation;
    m_example = example;
    m_conflict = makeLabel(page, QStringLiteral("标签160"), QString(), QRect(10, 432, 632, 20));
}

void MainForm::buildActions() {
    auto formAction = [this](QAction* action) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
        return action;
    };
    m_queryAction = formAction(new QAction(this));
    m_queryAction->setShortcut(QKeySequence(Qt::Key_F5));
    connect(m_queryAction, &QAction::triggered, this, &MainForm::runQuery);

    m_undoAction = formAction(new QAction(this));
    m_undoAction->setShortcuts(QKeySequence::Undo);
    connect(m_undoAction, &QAction::triggered, m_undo, &QUndoStack::undo);
    m_redoAction = formAction(new QAction(this));
    m_redoAction->setShortcuts(QKeySequence::Redo);
    connect(m_redoAction, &QAction::triggered, m_undo, &QUndoStack::redo);
    connect(m_undo, &QUndoStack::indexChanged, this, &MainForm::updateUndoActions);
    connect(m_undo, &QUndoStack::cleanChanged, this, &MainForm::updateUndoActions);

    m_clearPageAction = formAction(new QAction(this));
    connect(m_clearPageAction, &QAction::triggered, this, [this] { clearPage(); });
    m_clearAllAction = formAction(new QAction(this));
    connect(m_clearAllAction, &QAction::triggered, this, &MainForm::clearAll);
    connect(m_pages, &PageControl::currentChanged, this,
            [this](int page) { m_clearPageAction->setEnabled(page < kConditionPages); });

    m_nextPageAction = formAction(new QAction(this));
    m_nextPageAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
    connect(m_nextPageAction, &QAction::triggered, this,
            [this] { m_pages->setCurrentIndex((m_pages->currentIndex() + 1) % m_pages->count()); });
    m_previousPageAction = formAction(new QAction(this));
    m_previousPageAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                                        QKeySequence(Qt::CTRL | Qt::Key_PageUp)});
    connect(m_previousPageAction, &QAction::triggered, this, [this] {
        m_pages->setCurrentIndex((m_pages->currentIndex() + m_pages->count() - 1) %
                                 m_pages->count());
    });
}

void MainForm::retranslate() {
    setWindowTitle(windowTitleText());
    m_dateLabel->setText(tr("日期："));
    m_queryButton->setText(tr("推算"));
    m_queryButton->setToolTip(
        tr("查找该日及前两天（共 36 个时辰）中八字符合全部条件的时辰（Enter 或 F5）"));
    m_descriptionButton->setText(tr("软件说明"));
    m_descriptionButton->setToolTip(tr("用途、结果怎样读、快捷键（F1）"));
    for (int page = 0; page <= kResultPage; ++page) {
        m_pages->setPageCaption(page, pageCaption(page));
        m_pages->tabBar()->setTabToolTip(page, pageHelp(page));
    }
    for (std::size_t i = 0; i < m_groupBoxes.size(); ++i)
        m_groupBoxes[i]->setTitle(termText(groupSpecs()[i].caption));
    for (ConditionRow* row : m_rows)
        row->retranslate();
    m_explanation->setText(explanationNoteLines().join('\n'));
    m_example->setText(exampleNoteLines().join('\n'));
    m_conflict->setText(conflictNoteText());
    m_warning->setText(warningLineText());
    m_swap->setText(termText("亥子巳午阴阳置换"));
    m_swap->setToolTip(swapBoxHelp());
    m_female->setText(termText("女命"));
    m_female->setToolTip(femaleBoxHelp());
    m_grid->setAccessibleName(pageCaption(kResultPage));
    m_resultModel->retranslate();

    m_queryAction->setText(tr("推算"));
    m_queryAction->setToolTip(m_queryButton->toolTip());
    updateUndoActions();
    m_clearPageAction->setText(tr("清除本页条件"));
    m_clearAllAction->setText(tr("清除全部条件"));
    m_nextPageAction->setText(tr("下一页"));
    m_previousPageAction->setText(tr("上一页"));
    showStatus();
    refreshMarks();
}

void MainForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

FormState MainForm::captureFormState() const {
    FormState form(m_date->civilDate());
    for (const ConditionRow* row : m_rows)
        row->capture(form);
    form.setChecked(kSwapCheckBox, m_swap->isChecked());
    form.setChecked(kFemaleCheckBox, m_female->isChecked());
    return form;
}

void MainForm::applyFormState(const FormState& form) {
    m_applying = true;
    m_date->setDate(qDateFromCivil(form.date));
    for (ConditionRow* row : m_rows)
        row->load(form);
    m_swap->setChecked(form.isChecked(kSwapCheckBox));
    m_female->setChecked(form.isChecked(kFemaleCheckBox));
    m_applying = false;
    m_committed = captureFormState();
    refreshMarks();
    Q_EMIT formChanged();
}

void MainForm::loadFormState(const FormState& form) {
    m_undo->clear();
    applyFormState(form);
}

void MainForm::recordChange(const char* description) {
    if (m_applying)
        return;
    FormState now = captureFormState();
    if (now == m_committed)
        return;
    m_undo->push(new FormChange(this, m_committed, now, description, true));
    m_committed = std::move(now);
    refreshMarks();
    Q_EMIT formChanged();
}

void MainForm::pushFormState(const FormState& form, const char* description) {
    if (form == captureFormState())
        return;
    m_undo->push(new FormChange(this, captureFormState(), form, description, false));
}

void MainForm::clearPage(int page) {
    if (page < 0)
        page = m_pages->currentIndex();
    if (page >= kConditionPages)
        return;
    pushFormState(withPageCleared(captureFormState(), page), QT_TR_NOOP("清除本页条件"));
}

void MainForm::clearAll() {
    pushFormState(FormState(m_date->civilDate()), QT_TR_NOOP("清除全部条件"));
}

void MainForm::updateUndoActions() {
    // The step each action would take, named in the language shown.
    auto stepAt = [this](int index) -> const FormChange* {
        return index >= 0 && index < m_undo->count()
                   ? static_cast<const FormChange*>(m_undo->command(index))
                   : nullptr;
    };
    const FormChange* undo = stepAt(m_undo->index() - 1);
    const FormChange* redo = stepAt(m_undo->index());
    m_undoAction->setEnabled(undo != nullptr);
    m_undoAction->setText(undo ? tr("撤销：%1").arg(undo->description()) : tr("撤销"));
    m_redoAction->setEnabled(redo != nullptr);
    m_redoAction->setText(redo ? tr("重做：%1").arg(redo->description()) : tr("重做"));
}

bool MainForm::resultsStale() const {
    return m_lastRun && (*m_lastRun != captureFormState() || !sameReading(m_lastRunBasis, m_basis));
}

void MainForm::setTimeBasis(const TimeBasis& basis) {
    m_basis = basis;
    showStatus();
}

QString MainForm::countTrapHint() const {
    return m_hint->isHidden() ? QString() : m_hint->text();
}

void MainForm::refreshMarks() {
    const FormState form = captureFormState();
    const std::vector<CountTrap> traps = countTraps(form);
    for (ConditionRow* row : m_rows)
        row->setCountTrap(std::find(traps.begin(), traps.end(),
                                    CountTrap{row->spec().id, row->row()}) != traps.end());
    const QString hint = ui::countTrapHint(form, traps);
    m_hint->setText(hint);
    m_hint->setToolTip(hint);
    m_hint->setVisible(!hint.isEmpty());
    m_warning->setVisible(hint.isEmpty());
    showStatus();
}

void MainForm::showStatus() {
    // The form is read once here: this runs on every edit.
    const bool formDiffers = m_lastRun && *m_lastRun != captureFormState();
    const bool stale = m_lastRun && (formDiffers || !sameReading(m_lastRunBasis, m_basis));
    QPalette palette = m_summary->palette();
    switch (m_statusKind) {
    case Status::none: m_status->clear(); break;
    case Status::running: m_status->setText(progressText()); break;
    case Status::finished:
        m_status->setText(stale ? staleText() : finishedText());
        if (stale)
            palette.setColor(QPalette::WindowText, warningColour());
        break;
    }
    m_status->setPalette(palette);
    if (m_lastRun)
        m_summary->setText(summaryLabelText(m_resultModel->result().conditionCount,
                                            m_resultModel->result().matchCount()));
    m_staleNote->setText(m_lastRun && !formDiffers
                             ? tr("结果已过时：时间设置已改动，请按“推算”重新查询")
                             : tr("结果已过时：条件或日期已改动，请按“推算”重新查询"));
    m_staleNote->setVisible(stale && m_statusKind == Status::finished);
}

QMessageBox* MainForm::messageBox() const {
    return m_messageBox.data();
}

void MainForm::setQueryRunner(QueryRunner runner) {
    m_runner = std::move(runner);
}

void MainForm::runQuery() {
    // A typed date is taken first; one that is not a date stops the query.
    if (m_date->isEditing() && !m_date->commitEditing()) {
        showMessage(tr("日期“%1”无法使用：%2")
                        .arg(fitForMessage(m_date->editor()->text()), m_date->entryProblem()),
                    MessageKind::information);
        return;
    }
    m_statusKind = Status::running;
    showStatus();
    m_status->repaint();
    m_resultModel->clear();
    prepareResultGrid(m_grid);

    const FormState form = captureFormState();
    // On another basis than the calendar's the window's moments are clock
    // times of its zone, each read at the instant that clock showed it.
    std::shared_ptr<const BasisWindow> window;
    if (!m_basis.isDefault() && isQueryDateInRange(form.date)) {
        window = std::make_shared<const BasisWindow>(basisWindowOf(form.date, m_basis));
        if (!window->unread.empty()) {
            m_statusKind = Status::none;
            showStatus();
            showMessage(
                tr("%1 的钟表时间 %2 落在日历范围（1800 至 2200 年）之外，无法查询；"
                   "请换一个日期")
                    .arg(toQString(m_basis.zone.name()), gregorianCellText(window->unread.front())),
                MessageKind::information);
            return;
        }
    }
    QueryResult result;
    try {
        result = m_runner(form, window ? windowChartSourceOf(*window)
                                       : WindowChartSource(&calendarChartOf));
    } catch (const chartlib::MissingFunctionError& e) {
        showMessage(libraryErrorText(e), MessageKind::fatal);
        return;
    } catch (const std::exception& e) {
        m_statusKind = Status::none;
        showStatus();
        showMessage(libraryErrorText(e), MessageKind::information);
        return;
    }

    const QueryOutcome outcome = result.outcome;
    m_resultModel->setResult(std::move(result), m_date->date(), chartOptionsOf(form), window);
    finishResultGrid(m_grid);
    m_lastRun = form;
    m_lastRunBasis = m_basis;
    m_statusKind = Status::finished;
    showStatus();
    if (outcome == QueryOutcome::matches)
        m_pages->setCurrentIndex(kResultPage);
    if (const QString message = outcomeMessageText(outcome); !message.isEmpty())
        showMessage(message, MessageKind::information);
}

void MainForm::showDescription() {
    m_description->open();
    m_description->raise();
    m_description->activateWindow();
}

void MainForm::showMessage(const QString& text, MessageKind kind) {
    // Modal for the whole program but not blocking: the click handler returns
    // while the box is open, and input waits until it is closed.
    auto* box =
        new QMessageBox(QMessageBox::Critical, messageCaption(), text, QMessageBox::Ok, this);
    box->setFont(formFont());
    // Messages quote typed text, which must never be read as markup.
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    if (kind == MessageKind::fatal)
        connect(box, &QMessageBox::finished, this, &MainForm::endAfterFatalError);
    m_messageBox = box;
    box->show();
}

void MainForm::endAfterFatalError() {
    Q_EMIT fatalError(1);
}

void MainForm::keyPressEvent(QKeyEvent* event) {
    // Enter runs the query from wherever the focus is, unless a control used it.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        runQuery();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_pages)
        applyLayout();
}

void MainForm::applyLayout() {
    // The result grid grows with the window; the condition pages keep their
    // designed places at the top left, as their notes are laid out for them.
    const FormGeometry g = formLayoutFor(outerSizeFromClient(size()));
    m_pages->setGeometry(g.pageControl);
    m_grid->setGeometry(g.resultGrid);
    m_warning->setGeometry(g.warningLine);
    m_hint->setGeometry(g.warningLine.adjusted(-4, 0, 0, 0));
    // The mark of stale results stands in the tab row, right of the tabs.
    const int noteLeft = m_pages->tabBar()->geometry().right() + 8;
    m_staleNote->setGeometry(noteLeft, 2, std::max(0, g.resultGrid.right() - noteLeft), 22);
}

} // namespace bazi::ui
