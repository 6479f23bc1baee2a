#pragma once
// The small window that "软件说明" opens: one word-wrapped line about what the
// program does. It is not modal and feeds nothing into the query.

#include <QWidget>

namespace bazi::ui {

class DescriptionWindow : public QWidget {
    Q_OBJECT
public:
    explicit DescriptionWindow(QWidget* parent = nullptr);
};

} // namespace bazi::ui
