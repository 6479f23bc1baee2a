// The form run from a folder without the chart primitives library: the query
// fails at its first lookup, the form shows the run-time error and then asks
// the program to end with exit code 1.
#include "chartlib/chart_primitives.h"
#include "ui/main_form.h"

#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace bazi::ui;

class MissingLibraryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void queryShowsTheErrorAndEnds() {
        MainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* value = form.findChild<QComboBox*>(QStringLiteral("组合框_行1"));
        value->setCurrentIndex(2);
        Q_EMIT value->activated(2);

        QSignalSpy fatal(&form, &MainForm::fatalError);
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("按钮_查询")),
                          Qt::LeftButton);
        QMessageBox* box = form.messageBox();
        QVERIFY(box);
        QCOMPARE(box->icon(), QMessageBox::Critical);
        QCOMPARE(box->windowTitle(), QStringLiteral("信息："));
        const QString prefix =
            QStringLiteral("无法找到指定DLL库文件“") +
            QString::fromUtf8(bazi::chartlib::libraryFileName().data(),
                              qsizetype(bazi::chartlib::libraryFileName().size())) +
            QStringLiteral("”中的输出命令“");
        QVERIFY2(box->text().startsWith(prefix), qPrintable(box->text()));
        QCOMPARE(fatal.count(), 0);
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        QCOMPARE(fatal.count(), 1);
        QCOMPARE(fatal.first().first().toInt(), 1);
    }
};

QTEST_MAIN(MissingLibraryTest)
#include "missing_library_test.moc"
