#include "ui/main_form.h"

#include "chartlib/chart_primitives.h"
#include "form/form_catalog.h"
#include "ui/cn_calendar.h"
#include "ui/condition_row.h"
#include "ui/description_window.h"
#include "ui/form_layout.h"
#include "ui/form_texts.h"
#include "ui/note_label.h"
#include "ui/page_control.h"
#include "ui/platform_font.h"
#include "ui/result_grid.h"
#include "ui/row_geometry.h"
#include "texts/result_texts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>

namespace bazi::ui {
namespace {

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, QRect geometry) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

QCheckBox* makeCheckBox(QWidget* parent, std::string_view name, const QString& caption,
                        QRect geometry) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(toQString(name));
    box->setGeometry(geometry);
    return box;
}

} // namespace

MainForm::MainForm(QWidget* parent)
    : QWidget(parent), m_runner([](const FormState& form) { return bazi::runQuery(form); }) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(windowTitleText());
    setFont(formFont());
    move(50, 50);
    resize(clientSizeFromOuter(kFormOuterSize));

    buildTopRow();
    buildPages();
    m_warning = makeLabel(this, QStringLiteral("标签157"), warningLineText(), kWarningLineDesign);
    m_description = new DescriptionWindow(this);
    applyLayout();
}

void MainForm::buildTopRow() {
    makeLabel(this, QStringLiteral("标签161"), QStringLiteral("日期："), QRect(20, 8, 44, 24));
    m_date = new CnCalendar(this);
    m_date->setObjectName(QStringLiteral("农历日期框1"));
    m_date->setGeometry(72, 8, 304, 24);
    m_queryButton = new QPushButton(QStringLiteral("推算"), this);
    m_queryButton->setObjectName(QStringLiteral("按钮_查询"));
    m_queryButton->setGeometry(381, 8, 94, 24);
    m_descriptionButton = new QPushButton(QStringLiteral("软件说明"), this);
    m_descriptionButton->setObjectName(QStringLiteral("按钮1"));
    m_descriptionButton->setGeometry(480, 8, 66, 24);
    m_status = makeLabel(this, QStringLiteral("标签18"), QString(), QRect(551, 8, 92, 24));
    m_summary = makeLabel(this, QStringLiteral("标签19"), QString(), QRect(649, 8, 135, 24));

    connect(m_queryButton, &QPushButton::clicked, this, &MainForm::runQuery);
    connect(m_descriptionButton, &QPushButton::clicked, this, &MainForm::showDescription);
}

void MainForm::buildPages() {
    m_pages = new PageControl(this);
    m_pages->setObjectName(QStringLiteral("高级选择夹1"));
    m_pages->setFont(formFont());
    m_pages->setGeometry(QRect(kPageControlOrigin, QSize(776, 490)));
    for (const QString& caption :
         {QStringLiteral("条件1—五行"), QStringLiteral("条件2—干支"), QStringLiteral("条件3—十神"),
          QStringLiteral("条件4—神煞"), QStringLiteral("查询结果")})
        m_pages->addPage(caption);

    // The condition rows, group box by group box, built from the catalog.
    for (const GroupSpec& spec : groupSpecs()) {
        auto* box = new QGroupBox(toQString(spec.caption), m_pages->page(spec.page));
        box->setObjectName(toQString(spec.boxName));
        box->setGeometry(groupGeometry(spec.id).box);
        for (int row = 1; row <= spec.rowCount; ++row)
            m_rows.push_back(ConditionRow::build(box, spec, row));
    }

    buildNotes(m_pages->page(0));
    m_swap = makeCheckBox(m_pages->page(2), kSwapCheckBox, QStringLiteral("亥子巳午阴阳置换"),
                          QRect(482, 248, 128, 24));
    // 女命 beside the first spirit-star row, right of its group box.
    m_female = makeCheckBox(m_pages->page(3), kFemaleCheckBox, QStringLiteral("女命"),
                            QRect(430, 49, 80, 24));

    m_grid = createResultGrid(m_pages->page(kResultPage));
    m_grid->setGeometry(QRect(kResultGridOrigin, QSize(763, 430)));
}

void MainForm::buildNotes(QWidget* page) {
    // The two long notes keep the 12 px line pitch they are laid out for.
    auto* explanation = new NoteLabel(explanationNoteLines().join('\n'), 12, page);
    explanation->setObjectName(QStringLiteral("标签158"));
    explanation->setGeometry(472, 203, 288, 136);
    auto* example = new NoteLabel(exampleNoteLines().join('\n'), 12, page);
    example->setObjectName(QStringLiteral("标签159"));
    example->setGeometry(10, 344, 734, 89);
    makeLabel(page, QStringLiteral("标签160"), conflictNoteText(), QRect(10, 432, 632, 20));
}

FormState MainForm::captureFormState() const {
    FormState form(m_date->civilDate());
    for (const ConditionRow* row : m_rows)
        row->capture(form);
    form.setChecked(kSwapCheckBox, m_swap->isChecked());
    form.setChecked(kFemaleCheckBox, m_female->isChecked());
    return form;
}

QMessageBox* MainForm::messageBox() const {
    return m_messageBox.data();
}

void MainForm::setQueryRunner(QueryRunner runner) {
    m_runner = std::move(runner);
}

void MainForm::runQuery() {
    m_status->setText(progressText());
    m_status->repaint();
    prepareResultGrid(m_grid);

    QueryResult result;
    try {
        result = m_runner(captureFormState());
    } catch (const chartlib::MissingFunctionError& e) {
        showMessage(toQString(e.what()), MessageKind::fatal);
        return;
    } catch (const std::exception& e) {
        m_status->clear();
        showMessage(toQString(e.what()), MessageKind::information);
        return;
    }

    for (std::size_t i = 0; i < result.matches.size(); ++i)
        appendMatchRow(m_grid, static_cast<int>(i) + 1, resultRowOf(result.matches[i]));
    finishResultGrid(m_grid);
    m_status->setText(toQString(kFinishedStatus));
    m_summary->setText(toQString(summaryText(result.conditionCount, result.matchCount())));
    if (result.outcome == QueryOutcome::matches)
        m_pages->setCurrentIndex(kResultPage);
    if (const auto message = outcomeMessage(result.outcome))
        showMessage(toQString(*message), MessageKind::information);
}

void MainForm::showDescription() {
    m_description->show();
    m_description->raise();
    m_description->activateWindow();
}

void MainForm::showMessage(const QString& text, MessageKind kind) {
    // Modal for the whole program but not blocking: the click handler returns
    // while the box is open, and input waits until it is closed.
    auto* box =
        new QMessageBox(QMessageBox::Critical, messageCaption(), text, QMessageBox::Ok, this);
    box->setFont(formFont());
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

void MainForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_pages)
        applyLayout();
}

void MainForm::applyLayout() {
    const FormGeometry g = formLayoutFor(outerSizeFromClient(size()));
    m_pages->setGeometry(g.pageControl);
    m_grid->setGeometry(g.resultGrid);
    m_warning->setGeometry(g.warningLine);
}

} // namespace bazi::ui
