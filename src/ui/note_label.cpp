#include "ui/note_label.h"

#include <QPainter>
#include <QTextLayout>

#include <algorithm>

namespace bazi::ui {

NoteLabel::NoteLabel(const QString& text, int linePitch, QWidget* parent)
    : QLabel(text, parent), m_linePitch(linePitch) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

int NoteLabel::textHeight() const {
    return layoutLines(nullptr);
}

void NoteLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    layoutLines(&painter);
}

// Lays out (and draws, given a painter) every line; returns the height used.
// Each line's baseline sits just above the bottom of its pitch, leaving room
// for the small descent of CJK glyphs whatever the font's own ascent.
int NoteLabel::layoutLines(QPainter* painter) const {
    const QRect area = contentsRect();
    const qreal baseline = std::min<qreal>(fontMetrics().ascent(), m_linePitch * 7.0 / 8.0);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    int y = 0;
    for (const QString& paragraph : text().split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font());
        layout.setTextOption(option);
        layout.beginLayout();
        int lines = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(area.width());
            line.setPosition(QPointF(0, y + lines * m_linePitch + baseline - line.ascent()));
            ++lines;
        }
        layout.endLayout();
        if (painter)
            layout.draw(painter, area.topLeft());
        y += std::max(lines, 1) * m_linePitch;
    }
    return y;
}

} // namespace bazi::ui
