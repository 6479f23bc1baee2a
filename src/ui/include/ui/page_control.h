#pragma once
// The page control 高级选择夹1: a row of tabs over a stack of pages. Unlike
// QTabWidget, a page here covers the whole control, tabs included, so the
// controls on a page are placed relative to the control's own top-left corner
// (the first row of a page starts below the tabs, at top 27 and more).

#include <QWidget>

class QStackedWidget;
class QTabBar;

namespace bazi::ui {

class PageControl : public QWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget* parent = nullptr);

    /// Adds an empty page with the caption on its tab and returns it.
    QWidget* addPage(const QString& caption);

    [[nodiscard]] int count() const;
    [[nodiscard]] int currentIndex() const;
    [[nodiscard]] QWidget* page(int index) const;
    [[nodiscard]] QString pageCaption(int index) const;
    void setPageCaption(int index, const QString& caption);
    [[nodiscard]] QTabBar* tabBar() const { return m_tabs; }

    void setCurrentIndex(int index);

Q_SIGNALS:
    void currentChanged(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void placeTabs();

    QTabBar* m_tabs;
    QStackedWidget* m_pages;
};

} // namespace bazi::ui
