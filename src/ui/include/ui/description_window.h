#pragma once
// The window "软件说明" opens: what the program does, the version, how to read
// the results and the keyboard shortcuts. It is modal, feeds nothing into the
// query, and closes with Escape or its button.

#include <QDialog>

class QLabel;
class QPushButton;
class QTextBrowser;

namespace bazi::ui {

class DescriptionWindow : public QDialog {
    Q_OBJECT
public:
    explicit DescriptionWindow(QWidget* parent = nullptr);

    [[nodiscard]] QTextBrowser* body() const { return m_body; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QLabel* m_summary;
    QTextBrowser* m_body;
    QPushButton* m_close;
};

/// The program's version: "0.2.0" ("unknown" in a build that does not say).
[[nodiscard]] QString versionNumber();
/// The version line: "bazi-seek 0.2.0".
[[nodiscard]] QString versionText();

} // namespace bazi::ui
