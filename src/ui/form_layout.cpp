#include "ui/form_layout.h"

#include <algorithm>

namespace bazi::ui {

QSize clientSizeFromOuter(QSize outer) {
    return outer - kFrameAllowance;
}

QSize outerSizeFromClient(QSize client) {
    return client + kFrameAllowance;
}

FormGeometry formLayoutFor(QSize outer) {
    // Margins of the rule: 45 below and 23 right of the page control inside the
    // window; 25 below and 5 right of the grid inside the page control; the
    // warning line's bottom 3 px above the page control's bottom.
    const int pageHeight = std::max(0, outer.height() - kPageControlOrigin.y() - 45);
    const int pageWidth = std::max(0, outer.width() - kPageControlOrigin.x() - 23);
    const int gridHeight = std::max(0, pageHeight - kResultGridOrigin.y() - 25);
    const int gridWidth = std::max(0, pageWidth - kResultGridOrigin.x() - 5);
    const int warningTop = kPageControlOrigin.y() + pageHeight - kWarningLineDesign.height() - 3;

    FormGeometry g;
    g.pageControl = QRect(kPageControlOrigin, QSize(pageWidth, pageHeight));
    g.resultGrid = QRect(kResultGridOrigin, QSize(gridWidth, gridHeight));
    g.warningLine = QRect(QPoint(kWarningLineDesign.left(), warningTop), kWarningLineDesign.size());
    return g;
}

} // namespace bazi::ui
