#include "ui/description_window.h"

#include "ui/form_layout.h"
#include "ui/form_texts.h"
#include "ui/platform_font.h"

#include <QLabel>

namespace bazi::ui {

DescriptionWindow::DescriptionWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("DescriptionWindow"));
    setWindowTitle(descriptionCaption());
    setFont(formFont());
    move(50, 50);
    resize(clientSizeFromOuter(QSize(379, 204)));
    auto* label = new QLabel(descriptionText(), this);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(6, 6, 360, 138);
}

} // namespace bazi::ui
