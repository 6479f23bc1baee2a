#pragma once
// MainForm, the program's working area: the date box, "推算" and "软件说明",
// the status and summary labels, the page control with the four condition
// pages and the result page, and the warning line.
//
// The form reads its controls once into a FormState when the query runs,
// hands it to the query and shows the result through a model; the row rules
// and the layout rule are applied by the rows and by resizeEvent.
//
// Every change the user makes is recorded on an undo stack as the form state
// before and after it; a form state can be loaded whole (a file opened). While
// the conditions, the date or the time basis differ from those of the results
// shown, the results are marked "结果已过时"; while a row names a value but
// asks for a count of "0", a hint says what that means.
//
// The query runs on the window's time basis: its 36 moments are clock times of
// the basis's zone (one the clock skipped is left out, one it showed twice is
// read at its earlier showing).
//
// Keyboard: Enter (or F5) runs the query from anywhere in the form;
// Ctrl+Tab / Ctrl+PgDn and Ctrl+Shift+Tab / Ctrl+PgUp switch pages.

#include "basis/time_basis.h"
#include "form/form_state.h"
#include "query/basis_window.h"
#include "query/query_driver.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMessageBox;
class QPushButton;
class QUndoStack;

namespace bazi::ui {

class CnCalendar;
class ConditionRow;
class DescriptionWindow;
class PageControl;
class QueryResultModel;
class ResultView;

class MainForm : public QWidget {
    Q_OBJECT
public:
    /// The query the form runs, with the charts of the window's moments on the
    /// time basis; runQuery unless a test puts another in.
    using QueryRunner = std::function<QueryResult(const FormState&, const WindowChartSource&)>;

    /// Index of the page "查询结果".
    static constexpr int kResultPage = 4;
    /// Pages holding condition rows.
    static constexpr int kConditionPages = 4;

    explicit MainForm(QWidget* parent = nullptr);
    ~MainForm() override;

    /// The date and every condition control, each read once.
    [[nodiscard]] FormState captureFormState() const;
    /// Sets the date and every condition control from a form state, as a new
    /// starting point: the undo history is cleared. A date outside the date
    /// box's range is clamped (callers check it first).
    void loadFormState(const FormState& form);

    void setQueryRunner(QueryRunner runner);

    /// The basis the next query runs on; results found on another are stale.
    void setTimeBasis(const TimeBasis& basis);
    [[nodiscard]] const TimeBasis& timeBasis() const { return m_basis; }

    CnCalendar* dateBox() const { return m_date; }
    PageControl* pageControl() const { return m_pages; }
    ResultView* resultGrid() const { return m_grid; }
    QueryResultModel* resultModel() const { return m_resultModel; }
    DescriptionWindow* descriptionWindow() const { return m_description; }
    const std::vector<ConditionRow*>& rows() const { return m_rows; }
    QUndoStack* undoStack() const { return m_undo; }
    /// The message box on screen, or null.
    [[nodiscard]] QMessageBox* messageBox() const;

    /// Are results shown that were found for other conditions or another date.
    [[nodiscard]] bool resultsStale() const;
    /// The hint on screen about a count of "0", or empty.
    [[nodiscard]] QString countTrapHint() const;

    // The form's actions, for the window's menus; their shortcuts work
    // wherever the focus is in the form.
    QAction* queryAction() const { return m_queryAction; }
    QAction* undoAction() const { return m_undoAction; }
    QAction* redoAction() const { return m_redoAction; }
    QAction* clearPageAction() const { return m_clearPageAction; }
    QAction* clearAllAction() const { return m_clearAllAction; }
    QAction* nextPageAction() const { return m_nextPageAction; }
    QAction* previousPageAction() const { return m_previousPageAction; }

    /// Runs the query: what "推算" does. A typed date that is not a date
    /// stops it with a message.
    void runQuery();
    /// Opens the description window: what "软件说明" does.
    void showDescription();
    /// Sets every condition of one page (0..3) back to its initial state, in
    /// one undoable step; the current page when `page` is -1. The result page
    /// has no conditions.
    void clearPage(int page = -1);
    /// Sets every condition of the four pages back, in one undoable step; the
    /// date stays.
    void clearAll();

Q_SIGNALS:
    /// The chart primitives library cannot be used: the message has been shown
    /// and closed, and the program should end with this exit code.
    void fatalError(int exitCode);
    /// The date or a condition changed: by the user, by undo or by loading.
    void formChanged();
    /// A message for the window's status line (a refused typed date).
    void statusMessage(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    enum class MessageKind { information, fatal };
    enum class Status { none, running, finished };
    class FormChange;

    void buildTopRow();
    void buildPages();
    void buildNotes(QWidget* page);
    void buildActions();
    void retranslate();
    void applyLayout();
    void showMessage(const QString& text, MessageKind kind);
    void endAfterFatalError();
    void showStatus();

    /// Records a change the user made (an undo step), then refreshes the marks.
    void recordChange(const char* description);
    /// Writes a form state into the controls without recording it.
    void applyFormState(const FormState& form);
    void pushFormState(const FormState& form, const char* description);
    void refreshMarks();
    void updateUndoActions();

    QueryRunner m_runner;
    CnCalendar* m_date = nullptr;
    QLabel* m_dateLabel = nullptr;
    QPushButton* m_queryButton = nullptr;
    QPushButton* m_descriptionButton = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_summary = nullptr;
    QLabel* m_warning = nullptr;
    QLabel* m_hint = nullptr;
    QLabel* m_staleNote = nullptr;
    PageControl* m_pages = nullptr;
    ResultView* m_grid = nullptr;
    QueryResultModel* m_resultModel = nullptr;
    QCheckBox* m_swap = nullptr;
    QCheckBox* m_female = nullptr;
    QLabel* m_explanation = nullptr;
    QLabel* m_example = nullptr;
    QLabel* m_conflict = nullptr;
    std::vector<QGroupBox*> m_groupBoxes;
    DescriptionWindow* m_description = nullptr;
    std::vector<ConditionRow*> m_rows;
    QPointer<QMessageBox> m_messageBox;

    QUndoStack* m_undo = nullptr;
    QAction* m_queryAction = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    QAction* m_clearPageAction = nullptr;
    QAction* m_clearAllAction = nullptr;
    QAction* m_nextPageAction = nullptr;
    QAction* m_previousPageAction = nullptr;

    FormState m_committed;              // the controls' state as last recorded
    std::optional<FormState> m_lastRun; // the state the shown results were found for
    TimeBasis m_basis;                  // the basis the next query runs on
    TimeBasis m_lastRunBasis;           // the basis the shown results were found on
    Status m_statusKind = Status::none;
    bool m_applying = false;
};

} // namespace bazi::ui
