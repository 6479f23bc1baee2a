#pragma once
// RangeSearchPage, "时间范围": every chart span of a stretch of time that meets
// the form's conditions, exact to the second. From and to dates (date boxes
// over the whole calendar), the allowed 时辰 (with "全天"), and "搜索". The
// search runs off the window's thread with a progress bar and "取消"; its spans
// fill a table (at most 10,000 rows; the total is said), the selected span's
// reasons and chart are shown beside it, and a calendar grid of the range
// shows how much of each two-hour block matches.
//
// The search runs on the window's time basis: the dates, the 时辰 boxes, the
// table and the grid are days and hours of its clock. Spans found on another
// basis, or with other conditions, than those now chosen are marked "结果已过时".

#include "basis/time_basis.h"
#include "conditions/conditions.h"
#include "form/form_state.h"
#include "search/hour_windows.h"
#include "ui/calendar_tally.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTextBrowser;

namespace bazi::ui {

class CalendarGrid;
class CnCalendar;
class ResultView;
class SpanJob;
class SpanResultModel;

class RangeSearchPage : public QWidget {
    Q_OBJECT
public:
    /// `formState` reads the form whose conditions are searched.
    explicit RangeSearchPage(std::function<FormState()> formState, QWidget* parent = nullptr);

    CnCalendar* fromBox() const { return m_from; }
    CnCalendar* toBox() const { return m_to; }
    ResultView* resultView() const { return m_view; }
    SpanResultModel* resultModel() const { return m_model; }
    CalendarGrid* calendarGrid() const { return m_grid; }
    SpanJob* job() const { return m_job; }
    QTextBrowser* explanation() const { return m_why; }
    QLabel* statusLabel() const { return m_status; }
    /// The 时辰 check boxes, 子 first.
    QCheckBox* blockBox(int block) const { return m_blocks[static_cast<std::size_t>(block)]; }

    /// The allowed clock hours the boxes give.
    [[nodiscard]] HourWindows hourWindows() const;
    /// What "搜索" and "取消" do.
    void startSearch();
    void cancelSearch();
    /// Shows the conditions searched (after a change of the form), and marks the
    /// spans shown stale when they were found with others.
    void refreshConditions();
    /// The basis the next search runs on; spans shown that were found on
    /// another are marked stale.
    void setTimeBasis(const TimeBasis& basis);
    /// Are spans shown that were found on another basis, or with other
    /// conditions (the form but its date), than those now chosen.
    [[nodiscard]] bool resultsStale() const;

Q_SIGNALS:
    /// "修改条件" was clicked: the form's pages should be shown.
    void editConditionsRequested();
    /// A message for the user (a refusal, a failure).
    void message(const QString& text);

protected:
    void changeEvent(QEvent* event) override;
    /// Enter starts it from anywhere on the page (unless a control used it).
    void keyPressEvent(QKeyEvent* event) override;

private:
    void retranslate();
    void onFinished();
    void showSpan(int row);
    void selectBlock(qint64 start);
    void setRunning(bool running);
    void showStale();
    /// resultsStale() against a form state already read.
    [[nodiscard]] bool resultsStaleFor(const FormState& form) const;
    [[nodiscard]] bool formDiffers(const FormState& form) const;

    std::function<FormState()> m_formState;
    CnCalendar* m_from;
    CnCalendar* m_to;
    QLabel* m_fromLabel;
    QLabel* m_toLabel;
    QLabel* m_hoursLabel;
    std::array<QCheckBox*, kBlocksPerDay> m_blocks{};
    QCheckBox* m_allDay;
    QPushButton* m_search;
    QPushButton* m_cancel;
    QProgressBar* m_progress;
    QLabel* m_conditions;
    QPushButton* m_editConditions;
    QLabel* m_status;
    QLabel* m_staleNote;
    SpanResultModel* m_model;
    ResultView* m_view;
    CalendarGrid* m_grid;
    QTextBrowser* m_why;
    SpanJob* m_job;

    TimeBasis m_basis; // the basis chosen in the window
    // What the spans shown (or being found) were found with, for their
    // explanation; the basis is null for the calendar's own.
    std::shared_ptr<const TimeBasis> m_searchBasis;
    bool m_hasResults = false;
    Conditions m_searched;
    // Its date set aside, since the range search does not read it; the chart
    // options of the spans come from its two boxes.
    FormState m_searchedForm;
};

} // namespace bazi::ui
