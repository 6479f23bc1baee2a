#pragma once
// MainForm, the program's one working window: the date box, "推算" and
// "软件说明", the status and summary labels, the page control with the four
// condition pages and the result page, and the warning line.
//
// The form reads its controls once into a FormState when "推算" is clicked,
// hands it to the query and shows the result; the row rules and the layout
// rule are applied by the rows and by resizeEvent.

#include "form/form_state.h"
#include "query/query_driver.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

class QCheckBox;
class QLabel;
class QMessageBox;
class QPushButton;
class QTableWidget;

namespace bazi::ui {

class CnCalendar;
class ConditionRow;
class DescriptionWindow;
class PageControl;

class MainForm : public QWidget {
    Q_OBJECT
public:
    /// The query the form runs; runQuery unless a test puts another in.
    using QueryRunner = std::function<QueryResult(const FormState&)>;

    /// Index of the page "查询结果".
    static constexpr int kResultPage = 4;

    explicit MainForm(QWidget* parent = nullptr);

    /// The date and every condition control, each read once.
    [[nodiscard]] FormState captureFormState() const;

    void setQueryRunner(QueryRunner runner);

    CnCalendar* dateBox() const { return m_date; }
    PageControl* pageControl() const { return m_pages; }
    QTableWidget* resultGrid() const { return m_grid; }
    DescriptionWindow* descriptionWindow() const { return m_description; }
    const std::vector<ConditionRow*>& rows() const { return m_rows; }
    /// The message box on screen, or null.
    [[nodiscard]] QMessageBox* messageBox() const;

    /// Runs the query: what "推算" does.
    void runQuery();
    /// Opens the description window: what "软件说明" does.
    void showDescription();

Q_SIGNALS:
    /// The chart primitives library cannot be used: the message has been shown
    /// and closed, and the program should end with this exit code.
    void fatalError(int exitCode);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    enum class MessageKind { information, fatal };

    void buildTopRow();
    void buildPages();
    void buildNotes(QWidget* page);
    void applyLayout();
    void showMessage(const QString& text, MessageKind kind);
    void endAfterFatalError();

    QueryRunner m_runner;
    CnCalendar* m_date = nullptr;
    QPushButton* m_queryButton = nullptr;
    QPushButton* m_descriptionButton = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_summary = nullptr;
    QLabel* m_warning = nullptr;
    PageControl* m_pages = nullptr;
    QTableWidget* m_grid = nullptr;
    QCheckBox* m_swap = nullptr;
    QCheckBox* m_female = nullptr;
    DescriptionWindow* m_description = nullptr;
    std::vector<ConditionRow*> m_rows;
    QPointer<QMessageBox> m_messageBox;
};

} // namespace bazi::ui
