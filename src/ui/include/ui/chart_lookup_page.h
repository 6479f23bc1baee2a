#pragma once
// ChartLookupPage, "八字反查": from four pillars back to the times that had
// them. Each pillar box offers "不详" and only the pillars that can stand with
// the boxes already chosen: the year narrows the month (the five tigers fix
// the month stem by the year stem), the day narrows the hour (the five rats).
// "查找" lists every span of the whole calendar, or of a chosen range, with
// that chart in the span table of the range search; a chart that does not
// occur there is said so, with its nearest occurrences outside.

#include "search/chart_lookup.h"

#include <QWidget>

#include <array>

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

    std::array<QComboBox*, 4> m_boxes{};
    std::array<QLabel*, 4> m_labels{};
    QPushButton* m_find;
    QCheckBox* m_limit;
    CnCalendar* m_from;
    QLabel* m_toLabel;
    CnCalendar* m_to;
    QLabel* m_status;
    SpanResultModel* m_model;
    ResultView* m_view;
    QTextBrowser* m_chart;
    SpanJob* m_job;
    ChartPattern m_searched;
    SearchRange m_range;
    bool m_filling = false;
};

} // namespace bazi::ui
