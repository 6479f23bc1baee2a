#pragma once
// ChartLookupPage, "八字反查": from four pillars back to the times that had
// them. Each pillar box offers "不详" and only the pillars that can stand with
// the boxes already chosen: the year narrows the month (the five tigers fix
// the month stem by the year stem), the day narrows the hour (the five rats).
// "查找" lists every span of the whole calendar, or of a chosen range, with
// that chart in the span table of the range search; a chart that does not
// occur there is said so, with its nearest occurrences outside.
//
// The lookup runs on the window's time basis. Under the "same-day" late 子
// rule the hour box also offers the following day's 子 hour pillar, which the
// hour from 23:00 to 24:00 takes there. Spans found on another basis than the
// one now chosen are marked "结果已过时".

#include "basis/time_basis.h"
#include "search/chart_lookup.h"

#include <QWidget>

#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTextBrowser;

namespace bazi::ui {

class CnCalendar;
class ResultView;
class SpanJob;
class SpanResultModel;

class ChartLookupPage : public QWidget {
    Q_OBJECT
public:
    explicit ChartLookupPage(QWidget* parent = nullptr);

    /// The pillar boxes, year first; each item's data is its cycle index (0 for "不详").
    QComboBox* pillarBox(int pillar) const { return m_boxes[static_cast<std::size_t>(pillar)]; }
    QCheckBox* rangeBox() const { return m_limit; }
    CnCalendar* fromBox() const { return m_from; }
    CnCalendar* toBox() const { return m_to; }
    ResultView* resultView() const { return m_view; }
    SpanResultModel* resultModel() const { return m_model; }
    SpanJob* job() const { return m_job; }
    QLabel* statusLabel() const { return m_status; }
    QTextBrowser* chartPanel() const { return m_chart; }

    /// The chart the boxes give.
    [[nodiscard]] ChartPattern pattern() const;
    /// Sets a pillar box by cycle index (0 for "不详"), narrowing the others.
    void choosePillar(int pillar, int cycleIndex);
    /// What "查找" does.
    void startLookup();
    /// The basis the next lookup runs on (the hour box follows its late 子
    /// rule); spans shown that were found on another are marked stale.
    void setTimeBasis(const TimeBasis& basis);
    /// Are spans shown that were found on another basis than the one chosen.
    [[nodiscard]] bool resultsStale() const;

Q_SIGNALS:
    void message(const QString& text);

protected:
    void changeEvent(QEvent* event) override;
    /// Enter starts it from anywhere on the page (unless a control used it).
    void keyPressEvent(QKeyEvent* event) override;

private:
    void retranslate();
    void narrow();
    void fillBox(int pillar, const std::array<bool, 61>& allowed);
    void onFinished();
    void showSpan(int row);
    void showStale();

    std::array<QComboBox*, 4> m_boxes{};
    std::array<QLabel*, 4> m_labels{};
    QPushButton* m_find;
    QCheckBox* m_limit;
    CnCalendar* m_from;
    QLabel* m_toLabel;
    CnCalendar* m_to;
    QLabel* m_status;
    QLabel* m_staleNote;
    SpanResultModel* m_model;
    ResultView* m_view;
    QTextBrowser* m_chart;
    SpanJob* m_job;
    ChartPattern m_searched;
    SearchRange m_range;
    TimeBasis m_basis; // the basis chosen in the window
    // The basis of the spans shown (or being found); null for the calendar's own.
    std::shared_ptr<const TimeBasis> m_searchBasis;
    bool m_hasResults = false;
    bool m_filling = false;
};

} // namespace bazi::ui
