#pragma once
// A multi-line note drawn at a fixed line pitch. The notes of the first page
// are laid out for SimSun, whose lines are 12 px apart; a CJK font's own line
// spacing (about 17 px for Noto Sans CJK at 12 px) would push their last lines
// out of the label. Blanks are kept, and a line wider than the label wraps.

#include <QLabel>

namespace bazi::ui {

class NoteLabel : public QLabel {
public:
    NoteLabel(const QString& text, int linePitch, QWidget* parent = nullptr);

    [[nodiscard]] int linePitch() const { return m_linePitch; }
    /// Height the text needs at the label's width.
    [[nodiscard]] int textHeight() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int layoutLines(QPainter* painter) const;

    int m_linePitch;
};

} // namespace bazi::ui
