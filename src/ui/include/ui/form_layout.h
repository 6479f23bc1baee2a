#pragma once
// FormLayoutRule: on every change of the window's size the page control, the
// result grid and the warning line are fitted to the window.
//
// The rule is stated on the window's outer size, frame and caption included,
// the measure in which the form is designed as 797 x 563. Qt reports and sets
// the client size, and the real frame belongs to the window manager (unknown
// offscreen and on some Wayland compositors), so the form converts with a fixed
// allowance: the classic Windows sizable frame of 4 px on each side and a 26 px
// caption, 8 px wider and 34 px taller than the client area. With it the form's
// designed controls (page control 8 + 776 wide, 38 + 490 tall) fill the 789 x 529
// client area of a 797 x 563 window exactly.

#include <QRect>
#include <QSize>

namespace bazi::ui {

/// Outer size minus client size of the form's windows.
inline constexpr QSize kFrameAllowance{8, 34};

/// The form's outer size as designed, and its client size under the allowance.
inline constexpr QSize kFormOuterSize{797, 563};
[[nodiscard]] QSize clientSizeFromOuter(QSize outer);
[[nodiscard]] QSize outerSizeFromClient(QSize client);

/// Places that never change: the page control's corner in the window, the
/// grid's corner in its page, the warning line's left, width and height.
inline constexpr QPoint kPageControlOrigin{8, 38};
inline constexpr QPoint kResultGridOrigin{6, 27};
inline constexpr QRect kWarningLineDesign{20, 500, 752, 20};

/// Geometry of the three controls the rule moves: the page control and the
/// warning line in window coordinates, the grid in its page's coordinates.
struct FormGeometry {
    QRect pageControl;
    QRect resultGrid;
    QRect warningLine;
};

/// FormLayoutRule for an outer window size. Widths and heights that would be
/// negative in a very small window are clamped at zero, and the warning line
/// follows the clamped page control.
[[nodiscard]] FormGeometry formLayoutFor(QSize outer);

} // namespace bazi::ui
