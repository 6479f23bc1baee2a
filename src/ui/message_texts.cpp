#include "ui/message_texts.h"

#include "form/message_text.h"
#include "ui/qt_values.h"

#include <QMessageBox>

namespace bazi::ui {

QString fitForMessage(const QString& text, int maxCharacters) {
    QString out;
    int count = 0;
    for (const QChar c : text) {
        if (count == maxCharacters) {
            out += QChar(0x2026);
            break;
        }
        const bool control = c.category() == QChar::Other_Control ||
                             c.category() == QChar::Other_Format || c.isSurrogate();
        out += control ? QChar(QChar::ReplacementCharacter) : c;
        ++count;
    }
    return out;
}

QString libraryErrorText(const std::exception& error) {
    return toQString(printableMessage(error.what()));
}

void showCritical(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace bazi::ui
