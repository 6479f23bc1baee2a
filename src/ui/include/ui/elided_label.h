#pragma once
// A one-line label that, given less room than its text needs, draws the text
// cut with "…" instead of clipping it mid-character. text() stays whole, and
// so does the tooltip the owner sets.

#include <QLabel>

namespace bazi::ui {

class ElidedLabel : public QLabel {
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace bazi::ui
