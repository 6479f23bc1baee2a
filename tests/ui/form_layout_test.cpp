#include "ui/form_layout.h"

#include <gtest/gtest.h>

namespace bazi::ui {
namespace {

TEST(FormLayoutRule, FitsPageControlGridAndWarningLine) {
    struct Case {
        const char* note;
        QSize outer;
        QSize page;
        QSize grid;
        int warningTop;
    };
    const Case cases[] = {
        {"the form's own size", {797, 563}, {766, 480}, {755, 428}, 495},
        {"resized to 900 x 600", {900, 600}, {869, 517}, {858, 465}, 532},
        {"just large enough for an empty grid", {42, 135}, {11, 52}, {0, 0}, 67},
        {"too small: sizes clamp at zero", {20, 50}, {0, 0}, {0, 0}, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        const FormGeometry g = formLayoutFor(c.outer);
        EXPECT_EQ(g.pageControl, QRect(QPoint(8, 38), c.page));
        EXPECT_EQ(g.resultGrid, QRect(QPoint(6, 27), c.grid));
        EXPECT_EQ(g.warningLine, QRect(20, c.warningTop, 752, 20));
    }
}

TEST(FormLayoutRule, ClientAndOuterSizesDifferByTheFrameAllowance) {
    const QSize client = clientSizeFromOuter(kFormOuterSize);
    EXPECT_EQ(client, QSize(789, 529));
    EXPECT_EQ(outerSizeFromClient(client), kFormOuterSize);
    // The designed page control (8, 38, 776 x 490) and warning line fit the client area.
    EXPECT_LE(8 + 776, client.width());
    EXPECT_LE(38 + 490, client.height());
    EXPECT_LE(kWarningLineDesign.bottom(), client.height());
}

} // namespace
} // namespace bazi::ui
