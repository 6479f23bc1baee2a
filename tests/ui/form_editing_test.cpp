// Editing the form: undo and reset, loading a whole form state, the marks of
// stale results and of a count of "0", the keyboard, explanations and size.
#include "form/form_catalog.h"
#include "ui/cn_calendar.h"
#include "ui/condition_row.h"
#include "ui/form_layout.h"
#include "ui/main_form.h"
#include "ui/page_control.h"
#include "ui/result_view.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QUndoStack>

using namespace bazi;
using namespace bazi::ui;

namespace {

QString q(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

} // namespace

class FormEditingTest : public QObject {
    Q_OBJECT

private:
    MainForm* m_form = nullptr;

    template <class T> T* find(std::string_view name) const {
        T* w = m_form->findChild<T*>(q(name));
        if (!w)
            qWarning("no control named %s", std::string(name).c_str());
        return w;
    }

    // Picks an item by its text as the user does: the rules run.
    void choose(std::string_view name, const char* item) {
        auto* box = find<QComboBox>(name);
        QVERIFY(box);
        const int index = box->findText(QString::fromUtf8(item));
        QVERIFY2(index >= 0, item);
        box->setCurrentIndex(index);
        Q_EMIT box->activated(index);
    }

    QString status() const { return find<QLabel>("标签18")->text(); }

    // Closes the message box on screen and returns its text.
    QString closeMessageBox() {
        QMessageBox* box = m_form->messageBox();
        if (!box)
            return QStringLiteral("<no message box>");
        const QString text = box->text();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        if (!QTest::qWaitFor([this] { return !m_form->messageBox(); }, 2000))
            return QStringLiteral("<message box still open>");
        return text;
    }

private Q_SLOTS:
    void init() {
        m_form = new MainForm;
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form));
        m_form->dateBox()->setDate(QDate(2016, 3, 16));
        m_form->undoStack()->clear();
    }
    void cleanup() {
        delete m_form;
        m_form = nullptr;
    }

    void undoAndRedoStepThroughTheUsersChanges() {
        const FormState start = m_form->captureFormState();
        choose("组合框_行1", "金");
        choose("组合框_位置行1", "天干"); // the rule presets 非0
        const FormState withPosition = m_form->captureFormState();
        QCOMPARE(withPosition.selectedText("组合框_行数量1"), "非0");
        QTest::mouseClick(find<QCheckBox>("选择框1"), Qt::LeftButton);
        QCOMPARE(m_form->undoStack()->count(), 3);

        m_form->undoAction()->trigger();
        QVERIFY(!find<QCheckBox>("选择框1")->isChecked());
        QVERIFY(m_form->captureFormState() == withPosition);
        m_form->undoAction()->trigger();
        m_form->undoAction()->trigger();
        QVERIFY(m_form->captureFormState() == start);
        QVERIFY(!find<QComboBox>("组合框_位置行1")->isEnabled()); // the row is unused again
        m_form->redoAction()->trigger();
        m_form->redoAction()->trigger();
        QVERIFY(m_form->captureFormState() == withPosition);
        QVERIFY(find<QComboBox>("组合框_位置行1")->isEnabled());

        // Ctrl+Z from a control of the form.
        find<QComboBox>("组合框_行1")->setFocus();
        QTest::keyClick(find<QComboBox>("组合框_行1"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(find<QComboBox>("组合框_位置行1")->currentText(), QStringLiteral("不固定"));

        // A date change is a step too; a program's load is not (it starts afresh).
        m_form->dateBox()->setDate(QDate(2020, 1, 1));
        m_form->undoAction()->trigger();
        QCOMPARE(m_form->dateBox()->date(), QDate(2016, 3, 16));
        m_form->loadFormState(FormState(CivilDate{2001, 1, 1}));
        QCOMPARE(m_form->undoStack()->count(), 0);
    }

    void clearingAPageOrEverythingIsOneUndoableStep() {
        choose("组合框_行1", "金");
        QTest::mouseClick(find<QRadioButton>("单选框2"), Qt::LeftButton); // 透干
        choose("组合框_干1", "丁");
        choose("组合框_位置干1", "日干");
        QTest::mouseClick(find<QCheckBox>("选择框_女命"), Qt::LeftButton);
        const FormState before = m_form->captureFormState();

        m_form->pageControl()->setCurrentIndex(0);
        m_form->clearPageAction()->trigger();
        FormState pageCleared = before;
        for (const char* name : {"组合框_行1", "组合框_行数量1"})
            pageCleared.select(name, 0);
        pageCleared.setChecked("单选框1", true);
        QVERIFY(m_form->captureFormState() == pageCleared);
        QCOMPARE(find<QComboBox>("组合框_干1")->currentText(),
                 QStringLiteral("丁")); // other pages stay
        QVERIFY(!find<QRadioButton>("单选框1")->isEnabled());

        m_form->undoAction()->trigger();
        QVERIFY(m_form->captureFormState() == before);

        m_form->clearAllAction()->trigger();
        QVERIFY(m_form->captureFormState() == FormState(CivilDate{2016, 3, 16}));
        QCOMPARE(m_form->undoStack()->undoText(), QStringLiteral("清除全部条件"));
        QCOMPARE(m_form->undoAction()->text(), QStringLiteral("撤销：清除全部条件"));
        m_form->undoAction()->trigger();
        QVERIFY(m_form->captureFormState() == before);

        // The result page has no conditions to clear.
        m_form->pageControl()->setCurrentIndex(MainForm::kResultPage);
        QVERIFY(!m_form->clearPageAction()->isEnabled());
    }

    void aLoadedFormStateIsShownExactly() {
        FormState form(CivilDate{2019, 11, 10});
        form.select("组合框_行2", 3);
        form.select("组合框_位置行2", 4);
        form.select("组合框_行数量2", 12);
        form.setChecked("单选框7", true);   // 通根 of row 2
        form.setChecked("单选框15", false); // row 3 with nothing checked (a file can say so)
        form.select("组合框_位置行4", 2);   // a position on an unused row
        form.select("组合框_神07", 11);
        form.setChecked("选择框_干透07", true);
        form.setChecked(kSwapCheckBox, true);
        m_form->loadFormState(form);
        QVERIFY(m_form->captureFormState() == form);
        QCOMPARE(m_form->dateBox()->date(), QDate(2019, 11, 10));
        QVERIFY(find<QComboBox>("组合框_位置行2")->isEnabled());
        QVERIFY(!find<QComboBox>("组合框_位置行4")->isEnabled());
        QCOMPARE(find<QComboBox>("组合框_位置行4")->currentText(), QStringLiteral("年支"));
        for (const char* radio : {"单选框15", "单选框14", "单选框13", "单选框12", "单选框11"})
            QVERIFY2(!find<QRadioButton>(radio)->isChecked(), radio);
        // The radio sets still exclude each other afterwards.
        m_form->loadFormState(FormState(CivilDate{2019, 11, 10}));
        QVERIFY(find<QRadioButton>("单选框15")->isChecked());
        QVERIFY(!find<QRadioButton>("单选框7")->isChecked());
    }

    void resultsAreMarkedStaleWhenTheFormChanges() {
        choose("组合框_干1", "丁");
        choose("组合框_位置干1", "日干");
        QTest::mouseClick(find<QPushButton>("按钮_查询"), Qt::LeftButton);
        QCOMPARE(status(), QStringLiteral("查询列表完毕！"));
        QVERIFY(!m_form->resultsStale());
        auto* note = find<QLabel>("标签_过时");
        QVERIFY(note->isHidden());

        choose("组合框_干数量1", "1");
        QVERIFY(m_form->resultsStale());
        QCOMPARE(status(), QStringLiteral("结果已过时"));
        QVERIFY(!note->isHidden());
        QVERIFY(note->text().startsWith(QStringLiteral("结果已过时")));
        QCOMPARE(find<QLabel>("标签19")->text(), QStringLiteral("条件数：1  符合数：12"));

        m_form->undoAction()->trigger(); // back to the conditions of the results
        QVERIFY(!m_form->resultsStale());
        QCOMPARE(status(), QStringLiteral("查询列表完毕！"));

        m_form->dateBox()->setDate(QDate(2016, 3, 17)); // a new date makes them stale too
        QCOMPARE(status(), QStringLiteral("结果已过时"));
        QTest::mouseClick(find<QPushButton>("按钮_查询"), Qt::LeftButton);
        QCOMPARE(status(), QStringLiteral("查询列表完毕！"));
        QVERIFY(note->isHidden());
    }

    void aCountOfZeroForANamedValueIsExplained() {
        auto* warning = find<QLabel>("标签157");
        auto* hint = find<QLabel>("标签_提示");
        QVERIFY(m_form->countTrapHint().isEmpty());
        QVERIFY(!warning->isHidden());

        choose("组合框_行1", "金"); // the commonest trap: count still "0"
        const QString text = m_form->countTrapHint();
        QVERIFY2(text.contains(QStringLiteral("八字 条件一")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("“金”")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("“非0”")), qPrintable(text));
        QVERIFY(!hint->isHidden());
        QVERIFY(warning->isHidden());
        QCOMPARE(find<QComboBox>("组合框_行数量1")->property("countTrap").toBool(), true);

        choose("组合框_神煞1", "驿马");
        QVERIFY(m_form->countTrapHint().endsWith(QStringLiteral("（共 2 处）")));

        choose("组合框_行数量1", "非0");
        choose("组合框_神煞数1", ">=1");
        QVERIFY(m_form->countTrapHint().isEmpty());
        QVERIFY(hint->isHidden());
        QVERIFY(!warning->isHidden());
        QCOMPARE(find<QComboBox>("组合框_行数量1")->property("countTrap").toBool(), false);

        // "不指定" with a count of 0 asks something else, and is no trap.
        choose("组合框_行01", "不指定");
        QVERIFY(m_form->countTrapHint().isEmpty());
    }

    void enterRunsTheQueryFromAnywhere() {
        auto* box = find<QComboBox>("组合框_行1");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(closeMessageBox(), QStringLiteral("未设置条件！"));
        QCOMPARE(status(), QStringLiteral("查询列表完毕！"));

        choose("组合框_干1", "丁");
        choose("组合框_位置干1", "日干");
        auto* radio = find<QRadioButton>("单选框1");
        QTest::keyClick(radio, Qt::Key_Enter);
        QCOMPARE(m_form->pageControl()->currentIndex(), MainForm::kResultPage);
        QCOMPARE(m_form->resultGrid()->model()->rowCount(), 12);

        // A typed date is taken first, then the query runs for it.
        m_form->dateBox()->setFocus();
        QTest::keyClicks(m_form->dateBox(), "20160317");
        QTest::keyClick(m_form->dateBox()->editor(), Qt::Key_Return);
        QCOMPARE(m_form->dateBox()->date(), QDate(2016, 3, 17));
        QVERIFY(!m_form->resultsStale());
        QCOMPARE(m_form->resultGrid()->model()->rowCount(), 12); // the 16th of the window 15..17
        QCOMPARE(m_form->resultGrid()->model()->index(0, 0).data().toString(),
                 QStringLiteral("2016年3月16日22时"));
    }

    void aTypedDateThatIsNoDateStopsTheQuery() {
        m_form->dateBox()->setFocus();
        QTest::keyClicks(m_form->dateBox(), "2016316");
        QTest::mouseClick(find<QPushButton>("按钮_查询"), Qt::LeftButton);
        const QString message = closeMessageBox();
        QVERIFY2(message.startsWith(QStringLiteral("日期“2016316”无法使用：日期还不完整")),
                 qPrintable(message));
        QCOMPARE(m_form->dateBox()->date(), QDate(2016, 3, 16));
        QVERIFY(status().isEmpty()); // nothing ran
    }

    void aTypedDateIsQuotedAsPlainTextAndCut() {
        // Typed text is shown as typed, never as markup, and a pasted screenful
        // does not fill the message.
        m_form->dateBox()->setFocus();
        QTest::keyClicks(m_form->dateBox(), "<");
        m_form->dateBox()->editor()->setText(QStringLiteral("<b>bold</b>") +
                                             QString(500, QLatin1Char('x')));
        QTest::mouseClick(find<QPushButton>("按钮_查询"), Qt::LeftButton);
        QMessageBox* box = m_form->messageBox();
        QVERIFY(box);
        QCOMPARE(box->textFormat(), Qt::PlainText);
        const QString message = closeMessageBox();
        QVERIFY2(message.startsWith(QStringLiteral("日期“<b>bold</b>xxx")), qPrintable(message));
        QVERIFY2(message.contains(QChar(0x2026)) && message.size() < 300, qPrintable(message));
    }

    void ctrlTabAndCtrlPageKeysSwitchPages() {
        auto* box = find<QComboBox>("组合框_行1");
        box->setFocus();
        PageControl* pages = m_form->pageControl();
        QCOMPARE(pages->currentIndex(), 0);
        QTest::keyClick(box, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(pages->currentIndex(), 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(pages->currentIndex(), 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(pages->currentIndex(), 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(pages->currentIndex(), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(pages->currentIndex(), MainForm::kResultPage); // round the end
    }

    void everyKindOfControlExplainsItself() {
        for (const GroupSpec& g : groupSpecs()) {
            const RowNames n = rowNames(g.id, 1);
            for (const std::string& name : {n.value, n.position, n.count})
                QVERIFY2(!find<QWidget>(name)->toolTip().isEmpty(), name.c_str());
            if (!n.checkBox.empty())
                QVERIFY(!find<QCheckBox>(n.checkBox)->toolTip().isEmpty());
            for (const std::string& radio : n.radios)
                if (!radio.empty())
                    QVERIFY(!find<QRadioButton>(radio)->toolTip().isEmpty());
        }
        QVERIFY(
            find<QComboBox>("组合框_行数量1")->toolTip().contains(QStringLiteral("“0”表示没有")));
        QVERIFY(
            find<QRadioButton>("单选框2")->toolTip().startsWith(QStringLiteral("透干：天干上有")));
        QVERIFY(find<QRadioButton>("单选框3")->toolTip().startsWith(QStringLiteral("虚浮：")));
        QVERIFY(
            find<QRadioButton>("单选框5")->toolTip().startsWith(QStringLiteral("通根：藏干中有")));
        QVERIFY(find<QRadioButton>("单选框4")->toolTip().startsWith(
            QStringLiteral("不透：天干上没有")));
        QVERIFY(find<QCheckBox>("选择框_女命")->toolTip().contains(QStringLiteral("只影响“元辰”")));
        QVERIFY(find<QCheckBox>("选择框1")->toolTip().contains(QStringLiteral("子、午作阴")));
        QVERIFY(!find<CnCalendar>("农历日期框1")->toolTip().isEmpty());
        QVERIFY(!find<QPushButton>("按钮_查询")->toolTip().isEmpty());
        for (int page = 0; page < m_form->pageControl()->count(); ++page)
            QVERIFY(!m_form->pageControl()->tabBar()->tabToolTip(page).isEmpty());
    }

    void theFormKeepsItsMinimumAndGivesSpaceToTheResults() {
        QCOMPARE(m_form->minimumSize(), clientSizeFromOuter(kFormOuterSize));
        m_form->resize(400, 300);
        QVERIFY(m_form->width() >= 789 && m_form->height() >= 529);

        const QRect box = find<QGroupBox>("分组框7")->geometry();
        m_form->resize(1600, 1000);
        QTRY_COMPARE(m_form->size(), QSize(1600, 1000));
        const QRect grid = m_form->resultGrid()->geometry();
        QCOMPARE(grid.width(), 1600 + 8 - 8 - 23 - 6 - 5);
        QCOMPARE(grid.height(), 1000 + 34 - 38 - 45 - 27 - 25);
        QCOMPARE(find<QGroupBox>("分组框7")->geometry(), box); // the rows stay where they are
    }
};

QTEST_MAIN(FormEditingTest)
#include "form_editing_test.moc"
