// bazi-seek-gui: opens the main form and runs the message loop until it is
// closed. The form asks to end the program (exit code 1) when the chart
// primitives library cannot be used.
#include "ui/main_form.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("bazi-seek"));

    bazi::ui::MainForm form;
    QObject::connect(&form, &bazi::ui::MainForm::fatalError, &app,
                     [](int exitCode) { QCoreApplication::exit(exitCode); });
    form.show();
    return QApplication::exec();
}
