// The main form driven through its real widgets, found by object name.
#include "chartlib/chart_primitives.h"
#include "form/form_catalog.h"
#include "query/query_driver.h"
#include "texts/result_texts.h"
#include "ui/cn_calendar.h"
#include "ui/description_window.h"
#include "ui/form_layout.h"
#include "ui/main_form.h"
#include "ui/note_label.h"
#include "ui/page_control.h"
#include "ui/result_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTextBrowser>
#include <QTest>

using namespace bazi;
using namespace bazi::ui;

namespace {

// Index of a std::array or vector from a signed loop counter.
constexpr std::size_t idx(int i) {
    return static_cast<std::size_t>(i);
}

QString q(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

// Picks an item as a click in the combo box's list does: the selection
// changes and `activated` is emitted, which is what the row rules listen to.
void choose(QComboBox* box, int index) {
    QVERIFY2(box->isEnabled(), qPrintable(box->objectName() + " is disabled"));
    box->setCurrentIndex(index);
    Q_EMIT box->activated(index);
}

int countOf(const QStringList& items, const QString& text) {
    return int(items.indexOf(text));
}

QStringList itemTexts(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

QStringList expectedItems(ItemList list) {
    QStringList items;
    for (std::string_view item : itemsOf(list))
        items << q(item);
    return items;
}

} // namespace

class MainFormTest : public QObject {
    Q_OBJECT

private:
    MainForm* m_form = nullptr;

    template <class T> T* find(std::string_view name) const {
        T* w = m_form->findChild<T*>(q(name));
        if (!w)
            qWarning("no control named %s", std::string(name).c_str());
        return w;
    }

    // One row of a group, every control by name.
    struct Row {
        QComboBox* value;
        QComboBox* position;
        QComboBox* count;
        QCheckBox* check;
        std::array<QRadioButton*, 5> radios{};
    };
    Row row(GroupId id, int r) const {
        const RowNames n = rowNames(id, r);
        Row w{find<QComboBox>(n.value),
              find<QComboBox>(n.position),
              find<QComboBox>(n.count),
              n.checkBox.empty() ? nullptr : find<QCheckBox>(n.checkBox),
              {}};
        for (int k = 0; k < 5; ++k)
            if (!n.radios[idx(k)].empty())
                w.radios[idx(k)] = find<QRadioButton>(n.radios[idx(k)]);
        return w;
    }

    // A row in its initial look: "-", "不固定", "0", clear, "无限制", greyed out.
    static void verifyUnused(const Row& w) {
        QCOMPARE(w.value->currentIndex(), 0);
        QVERIFY(w.value->isEnabled());
        QCOMPARE(w.position->currentIndex(), 0);
        QVERIFY(!w.position->isEnabled());
        QCOMPARE(w.count->currentIndex(), 0);
        QVERIFY(!w.count->isEnabled());
        if (w.check) {
            QVERIFY(!w.check->isChecked());
            QVERIFY(!w.check->isEnabled());
        }
        if (w.radios[0]) {
            for (int k = 0; k < 5; ++k) {
                QCOMPARE(w.radios[idx(k)]->isChecked(), k == 0);
                QVERIFY(!w.radios[idx(k)]->isEnabled());
            }
        }
    }

    void clickQueryButton() { QTest::mouseClick(find<QPushButton>("按钮_查询"), Qt::LeftButton); }

    // Closes the message box on screen with its OK button and returns its text.
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

    // The grid is a view over the result model: a header of its own above
    // the matches, newest first, every column 120 px wide after a run.
    void verifyGridRows(const std::vector<ResultRow>& rows) {
        auto* grid = find<ResultView>("高级表格_结果");
        const QAbstractItemModel* model = grid->model();
        QCOMPARE(model->rowCount(), int(rows.size()));
        QCOMPARE(model->columnCount(), 3);
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("公历时间"));
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("农历时间"));
        QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("八字"));
        for (int r = 0; r < int(rows.size()); ++r) {
            QCOMPARE(model->index(r, 0).data().toString(), q(rows[idx(r)].gregorian));
            QCOMPARE(model->index(r, 1).data().toString(), q(rows[idx(r)].lunar));
            QCOMPARE(model->index(r, 2).data().toString(), q(rows[idx(r)].chart));
        }
        for (int c = 0; c < 3; ++c)
            QCOMPARE(grid->columnWidth(c), 120);
        QVERIFY(!grid->horizontalHeader()->isHidden());
        QVERIFY(grid->verticalHeader()->isHidden());
    }

private Q_SLOTS:
    void init() {
        m_form = new MainForm;
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form));
    }
    void cleanup() {
        delete m_form;
        m_form = nullptr;
    }

    void topRowAndPages() {
        struct Control {
            const char* name;
            QRect geometry;
            QString caption;
        };
        const Control labels[] = {
            {"标签161", {20, 8, 44, 24}, QStringLiteral("日期：")},
            {"标签18", {551, 8, 92, 24}, QString()},
            {"标签19", {649, 8, 135, 24}, QString()},
        };
        for (const Control& c : labels) {
            auto* label = find<QLabel>(c.name);
            QVERIFY(label);
            QCOMPARE(label->parentWidget(), m_form);
            QCOMPARE(label->geometry(), c.geometry);
            QCOMPARE(label->text(), c.caption);
        }
        const Control buttons[] = {{"按钮_查询", {381, 8, 94, 24}, QStringLiteral("推算")},
                                   {"按钮1", {480, 8, 66, 24}, QStringLiteral("软件说明")}};
        for (const Control& c : buttons) {
            auto* button = find<QPushButton>(c.name);
            QVERIFY(button);
            QCOMPARE(button->geometry(), c.geometry);
            QCOMPARE(button->text(), c.caption);
        }
        auto* date = find<CnCalendar>("农历日期框1");
        QVERIFY(date);
        QCOMPARE(date->geometry(), QRect(72, 8, 304, 24));
        QCOMPARE(date->date(), CnCalendar::clampedDate(QDate::currentDate()));

        auto* pages = find<PageControl>("高级选择夹1");
        QVERIFY(pages);
        const QStringList captions = {"条件1—五行", "条件2—干支", "条件3—十神", "条件4—神煞",
                                      "查询结果"};
        QCOMPARE(pages->count(), captions.size());
        for (int i = 0; i < pages->count(); ++i)
            QCOMPARE(pages->pageCaption(i), captions[i]);
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(pages->font().pixelSize(), 12);
        const QString family = QFontInfo(pages->font()).family();
        QVERIFY2(QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese),
                 qPrintable(family));

        auto* warning = find<QLabel>("标签157");
        QCOMPARE(warning->text(),
                 QStringLiteral("注意：1、所有条件均为[并且]关系 ；  "
                                "2、请自行检查条件设置是否冲突！否则找不到任何八字！"));
        QVERIFY(!m_form->windowTitle().isEmpty());

        auto* grid = find<ResultView>("高级表格_结果");
        QCOMPARE(grid->parentWidget(), pages->page(4));
        QCOMPARE(grid->model()->rowCount(), 0);
        QCOMPARE(grid->model()->columnCount(), 3);
        QCOMPARE(grid->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("八字"));
    }

    void notesAndPageWideCheckBoxes() {
        auto plain = [this](const char* name) { return find<QLabel>(name)->text(); };
        QVERIFY(plain("标签158").startsWith(QStringLiteral("说明：\n")));
        QVERIFY(plain("标签158").endsWith(QStringLiteral("不透：天干上没有")));
        QCOMPARE(plain("标签158").count('\n'), 10);
        QVERIFY(plain("标签159").contains(
            QStringLiteral("     条件：水      位置：时柱   数量 2 不透 表示条件水")));
        QCOMPARE(find<QLabel>("标签158")->geometry(), QRect(472, 203, 288, 136));
        QCOMPARE(find<QLabel>("标签159")->geometry(), QRect(10, 344, 734, 89));
        // At the label's width every line fits, and all of them fit its height.
        for (const char* name : {"标签158", "标签159"}) {
            auto* note = find<NoteLabel>(name);
            QVERIFY2(note->textHeight() <= note->height(), name);
            QCOMPARE(note->textHeight(), 12 * (int(note->text().count('\n')) + 1));
        }
        QVERIFY(find<QLabel>("标签160")->text().startsWith(QStringLiteral("冲突举例：")));

        auto* pages = find<PageControl>("高级选择夹1");
        auto* swap = find<QCheckBox>("选择框1");
        QCOMPARE(swap->parentWidget(), pages->page(2));
        QCOMPARE(swap->geometry(), QRect(482, 248, 128, 24));
        QCOMPARE(swap->text(), QStringLiteral("亥子巳午阴阳置换"));
        auto* female = find<QCheckBox>("选择框_女命");
        QCOMPARE(female->parentWidget(), pages->page(3));
        QCOMPARE(female->text(), QStringLiteral("女命"));
        for (QCheckBox* box : {swap, female}) {
            QVERIFY(box->isEnabled());
            QVERIFY(!box->isChecked());
        }
        // The check box stays clear of the spirit-star group box.
        QVERIFY(!female->geometry().intersects(find<QGroupBox>("分组框23")->geometry()));
    }

    void everyRowStartsUnused() {
        auto* pages = find<PageControl>("高级选择夹1");
        for (const GroupSpec& g : groupSpecs()) {
            auto* box = find<QGroupBox>(g.boxName);
            QVERIFY(box);
            QCOMPARE(box->title(), q(g.caption));
            QCOMPARE(box->parentWidget(), pages->page(g.page));
            for (int r = 1; r <= g.rowCount; ++r) {
                const QByteArray where = QByteArray(g.boxName.data(), qsizetype(g.boxName.size())) +
                                         " row " + QByteArray::number(r);
                const Row w = row(g.id, r);
                QVERIFY2(w.value && w.position && w.count, where);
                QCOMPARE(w.value->parentWidget(), box);
                QCOMPARE(itemTexts(w.value), expectedItems(g.valueList));
                QCOMPARE(itemTexts(w.position), expectedItems(g.positionList));
                QCOMPARE(itemTexts(w.count), expectedItems(g.countList));
                QCOMPARE(w.value->width(), 80);
                QCOMPARE(w.position->width(), 80);
                QCOMPARE(w.count->width(), 65);
                QVERIFY2((g.reveal == RevealKind::checkBox) == (w.check != nullptr), where);
                if (w.check)
                    QCOMPARE(w.check->text(), q(g.checkCaption));
                QVERIFY2((g.reveal == RevealKind::radioSet) == (w.radios[0] != nullptr), where);
                for (int k = 0; w.radios[0] && k < 5; ++k)
                    QCOMPARE(w.radios[idx(k)]->text(), q(kRevealCaptions[idx(k)]));
                verifyUnused(w);
            }
        }
    }

    void groupBoxesAndRowsStandWhereTheFormPutsThem() {
        struct Box {
            const char* name;
            QRect geometry;
            int firstTop, lastTop, valueLeft, positionLeft, countLeft;
        };
        const Box boxes[] = {
            {"分组框7", {10, 33, 710, 150}, 18, 118, 74, 202, 326},
            {"分组框13", {10, 189, 455, 150}, 18, 118, 74, 202, 326},
            {"分组框1", {10, 33, 472, 123}, 18, 93, 75, 205, 332},
            {"分组框2", {10, 164, 406, 129}, 18, 100, 75, 205, 332},
            {"分组框14", {10, 301, 462, 129}, 18, 100, 75, 205, 332},
            {"分组框6", {10, 33, 712, 205}, 18, 174, 74, 202, 326},
            {"分组框22", {10, 246, 462, 202}, 18, 174, 75, 205, 332},
            {"分组框23", {10, 33, 406, 352}, 18, 318, 75, 205, 332},
        };
        for (const Box& b : boxes) {
            auto* box = find<QGroupBox>(b.name);
            QCOMPARE(box->geometry(), b.geometry);
            const GroupSpec& g =
                *std::find_if(groupSpecs().begin(), groupSpecs().end(),
                              [&](const GroupSpec& s) { return s.boxName == b.name; });
            const Row first = row(g.id, 1);
            const Row last = row(g.id, g.rowCount);
            QCOMPARE(first.value->y(), b.firstTop);
            QCOMPARE(last.value->y(), b.lastTop);
            QCOMPARE(last.value->x(), b.valueLeft);
            QCOMPARE(last.position->x(), b.positionLeft);
            QCOMPARE(last.count->x(), b.countLeft);
            // Every control inside its box and no two overlapping, except the
            // radio sets' own boxes, whose frames start 6 px below their tops.
            QList<QWidget*> controls;
            for (QObject* child : box->children())
                if (auto* w = qobject_cast<QWidget*>(child))
                    controls << w;
            for (QWidget* w : controls) {
                QVERIFY2(box->rect().contains(w->geometry()), qPrintable(w->objectName()));
                for (QWidget* other : controls)
                    QVERIFY2(w == other || !w->geometry().intersects(other->geometry()) ||
                                 (qobject_cast<QGroupBox*>(w) && qobject_cast<QGroupBox*>(other)),
                             qPrintable(w->objectName() + " / " + other->objectName()));
            }
        }
        // The reveal radio sets: 分组框8 .. 分组框12 at 404, 分组框15 .. 分组框21 at 406.
        QCOMPARE(find<QGroupBox>("分组框8")->geometry(), QRect(404, 8, 296, 30));
        QCOMPARE(find<QGroupBox>("分组框12")->geometry(), QRect(404, 108, 296, 30));
        QCOMPARE(find<QGroupBox>("分组框15")->geometry(), QRect(406, 10, 296, 30));
        QCOMPARE(find<QGroupBox>("分组框21")->geometry(), QRect(406, 164, 296, 30));
        QCOMPARE(find<QRadioButton>("单选框1")->geometry(), QRect(8, 10, 56, 18));
        QCOMPARE(find<QRadioButton>("单选框4")->geometry(), QRect(242, 10, 46, 18));
        QCOMPARE(find<QRadioButton>("单选框4")->text(), QStringLiteral("不透"));
        QCOMPARE(find<QRadioButton>("单选框5")->text(), QStringLiteral("通根"));
        QCOMPARE(find<QRadioButton>("单选框56")->text(), QStringLiteral("不透"));
        QCOMPARE(find<QRadioButton>("单选框56")->parentWidget(), find<QGroupBox>("分组框21"));
    }

    void pickingAValueEnablesTheRow() {
        // "不指定" enables exactly as a concrete value does; "-" resets.
        for (const GroupSpec& g : groupSpecs()) {
            for (int r = 1; r <= g.rowCount; ++r) {
                const Row w = row(g.id, r);
                choose(w.value, 1);
                QVERIFY(w.position->isEnabled());
                QVERIFY(w.count->isEnabled());
                if (w.check)
                    QVERIFY(w.check->isEnabled());
                for (int k = 0; w.radios[0] && k < 5; ++k)
                    QVERIFY(w.radios[idx(k)]->isEnabled());
                choose(w.value, 0);
                verifyUnused(w);
            }
        }
    }

    void radioRowBackToDashResetsEverything() {
        const Row w = row(GroupId::elementChart, 3);
        choose(w.value, countOf(itemTexts(w.value), "金"));
        choose(w.position, countOf(itemTexts(w.position), "年干"));
        QCOMPARE(w.count->currentText(), QStringLiteral("非0"));
        choose(w.count, countOf(itemTexts(w.count), ">=2"));
        QTest::mouseClick(w.radios[1], Qt::LeftButton); // 透干
        QVERIFY(w.radios[1]->isChecked());
        QVERIFY(!w.radios[0]->isChecked());

        choose(w.value, 0);
        verifyUnused(w);
        choose(w.value, countOf(itemTexts(w.value), "金"));
        QCOMPARE(w.position->currentText(), QStringLiteral("不固定"));
        QCOMPARE(w.count->currentText(), QStringLiteral("0"));
        QVERIFY(w.radios[0]->isChecked());
        QVERIFY(w.position->isEnabled() && w.count->isEnabled() && w.radios[4]->isEnabled());
    }

    void checkBoxRowBackToDashClearsTheCheckBox() {
        const Row w = row(GroupId::stem, 2);
        choose(w.value, 4);
        QTest::mouseClick(w.check, Qt::LeftButton);
        QVERIFY(w.check->isChecked());
        choose(w.value, 5); // another value keeps the check
        QVERIFY(w.check->isChecked());
        choose(w.value, 0);
        verifyUnused(w);
    }

    void fixedPositionPresetsNon0() {
        const Row w = row(GroupId::elementHidden, 1);
        choose(w.value, 2);
        choose(w.position, 1); // 年柱
        QCOMPARE(w.count->currentText(), QStringLiteral("非0"));
        choose(w.count, 2);
        choose(w.position, 2); // 月柱
        QCOMPARE(w.count->currentText(), QStringLiteral("非0"));
        choose(w.count, 3);
        choose(w.position, 0); // 不固定 leaves the count
        QCOMPARE(w.count->currentText(), QStringLiteral("3"));
        QVERIFY(w.count->isEnabled());

        // Every group presets its own "非0", the spirit-star rows included.
        for (const GroupSpec& g : groupSpecs()) {
            const Row x = row(g.id, g.rowCount);
            choose(x.value, 1);
            choose(x.position, x.position->count() - 1);
            QCOMPARE(x.count->currentIndex(), g.countPresetIndex);
            QCOMPARE(x.count->currentText(), QStringLiteral("非0"));
        }
    }

    void rulesFollowTheUserNotTheProgram() {
        const Row w = row(GroupId::branch, 1);
        QSignalSpy activated(w.value, &QComboBox::activated);
        w.value->setCurrentIndex(3); // a programmatic change runs no rule
        QVERIFY(!w.position->isEnabled());
        QCOMPARE(activated.count(), 0);
        w.value->setCurrentIndex(0);

        w.value->setFocus();
        QTest::keyClick(w.value, Qt::Key_Down); // the user steps to "不指定"
        QCOMPARE(activated.count(), 1);
        QCOMPARE(w.value->currentIndex(), 1);
        QVERIFY(w.position->isEnabled());
        QTest::keyClick(w.value, Qt::Key_Home);
        verifyUnused(w);
    }

    void spiritStarRowsFollowTheRules() {
        const Row w = row(GroupId::spiritStar, 12);
        choose(w.value, countOf(itemTexts(w.value), "驿马"));
        QVERIFY(w.position->isEnabled() && w.count->isEnabled());
        choose(w.position, countOf(itemTexts(w.position), "日柱"));
        QCOMPARE(w.count->currentIndex(), 7);
        QCOMPARE(w.count->currentText(), QStringLiteral("非0"));
        choose(w.value, 0);
        verifyUnused(w);
    }

    void layoutFollowsTheWindowSize() {
        struct Case {
            QSize outer;
            QRect page, grid, warning;
        };
        const Case cases[] = {
            {{900, 600}, {8, 38, 869, 517}, {6, 27, 858, 465}, {20, 532, 752, 20}},
            {{797, 563}, {8, 38, 766, 480}, {6, 27, 755, 428}, {20, 495, 752, 20}},
        };
        for (const Case& c : cases) {
            m_form->resize(clientSizeFromOuter(c.outer));
            QTRY_COMPARE(m_form->size(), clientSizeFromOuter(c.outer));
            QCOMPARE(find<PageControl>("高级选择夹1")->geometry(), c.page);
            QCOMPARE(find<ResultView>("高级表格_结果")->geometry(), c.grid);
            QCOMPARE(find<QLabel>("标签157")->geometry(), c.warning);
        }
    }

    void capturedStateMatchesTheWidgets() {
        const Row a = row(GroupId::elementChart, 2);
        choose(a.value, 3);
        choose(a.position, 4);
        QTest::mouseClick(a.radios[3], Qt::LeftButton); // 通根
        const Row b = row(GroupId::tenGodHidden, 7);
        choose(b.value, 11);
        QTest::mouseClick(b.check, Qt::LeftButton);
        QTest::mouseClick(find<QCheckBox>("选择框1"), Qt::LeftButton);
        QTest::mouseClick(find<QCheckBox>("选择框_女命"), Qt::LeftButton);
        find<CnCalendar>("农历日期框1")->setDate(QDate(2016, 3, 16));

        FormState expected(CivilDate{2016, 3, 16});
        expected.select("组合框_行2", 3);
        expected.select("组合框_位置行2", 4);
        expected.select("组合框_行数量2", 9);
        expected.setChecked(rowNames(GroupId::elementChart, 2).radios[3], true);
        expected.select("组合框_神07", 11);
        expected.setChecked("选择框_干透07", true);
        expected.setChecked(kSwapCheckBox, true);
        expected.setChecked(kFemaleCheckBox, true);
        QVERIFY(m_form->captureFormState() == expected);
    }

    void queryListsTheMatchesInTheGrid() {
        // 丁 as the day stem: every moment of 2016-03-16 (丁酉), none of the
        // two days before (丙申, 乙未).
        find<CnCalendar>("农历日期框1")->setDate(QDate(2016, 3, 16));
        const Row w = row(GroupId::stem, 1);
        choose(w.value, countOf(itemTexts(w.value), "丁"));
        choose(w.position, countOf(itemTexts(w.position), "日干"));

        FormState form(CivilDate{2016, 3, 16});
        form.select("组合框_干1", 5);
        form.select("组合框_位置干1", 3);
        form.select("组合框_干数量1", 5);
        QVERIFY(m_form->captureFormState() == form);
        const QueryResult expected = runQuery(form);
        QCOMPARE(expected.matchCount(), 12);

        clickQueryButton();
        QVERIFY(!m_form->messageBox());
        std::vector<ResultRow> expectedRows;
        for (const QueryMatch& match : expected.matches)
            expectedRows.push_back(resultRowOf(match));
        verifyGridRows(expectedRows);
        QCOMPARE(find<ResultView>("高级表格_结果")->model()->index(0, 2).data().toString(),
                 QStringLiteral("丙申 辛卯 丁酉 辛亥"));
        QCOMPARE(find<QLabel>("标签18")->text(), QStringLiteral("查询列表完毕！"));
        QCOMPARE(find<QLabel>("标签19")->text(), QStringLiteral("条件数：1  符合数：12"));
        QCOMPARE(find<PageControl>("高级选择夹1")->currentIndex(), 4);

        // A second run starts from scratch: no condition, an empty grid again.
        choose(w.value, 0);
        find<PageControl>("高级选择夹1")->setCurrentIndex(1);
        clickQueryButton();
        QCOMPARE(closeMessageBox(), QStringLiteral("未设置条件！"));
        verifyGridRows({});
        QCOMPARE(find<PageControl>("高级选择夹1")->currentIndex(), 1);
    }

    void queryWithoutConditionsSaysSo() {
        clickQueryButton();
        QMessageBox* box = m_form->messageBox();
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QStringLiteral("信息："));
        QCOMPARE(box->icon(), QMessageBox::Critical);
        QCOMPARE(box->buttons().size(), 1);
        QVERIFY(box->button(QMessageBox::Ok));
        QCOMPARE(box->parentWidget(), m_form);
        QVERIFY(box->isModal());
        QCOMPARE(find<QLabel>("标签18")->text(), QStringLiteral("查询列表完毕！"));
        QCOMPARE(find<QLabel>("标签19")->text(), QStringLiteral("条件数：0  符合数：0"));
        QCOMPARE(closeMessageBox(), QStringLiteral("未设置条件！"));
        verifyGridRows({});
        QCOMPARE(find<PageControl>("高级选择夹1")->currentIndex(), 0);
    }

    void queryWithoutMatchesSaysSo() {
        // 甲 as the day stem: the window's days are 丁酉, 丙申 and 乙未.
        find<CnCalendar>("农历日期框1")->setDate(QDate(2016, 3, 16));
        const Row w = row(GroupId::stem, 4);
        choose(w.value, countOf(itemTexts(w.value), "甲"));
        choose(w.position, countOf(itemTexts(w.position), "日干"));
        QCOMPARE(runQuery(m_form->captureFormState()).matchCount(), 0);

        clickQueryButton();
        QCOMPARE(find<QLabel>("标签19")->text(), QStringLiteral("条件数：1  符合数：0"));
        QCOMPARE(closeMessageBox(), QStringLiteral("指定时间内没有找到符合条件的八字或条件冲突！"));
        verifyGridRows({});
        QCOMPARE(find<PageControl>("高级选择夹1")->currentIndex(), 0);
    }

    void progressTextShowsWhileTheQueryRuns() {
        QString statusDuringRun;
        int gridRowsDuringRun = -1;
        m_form->setQueryRunner([&](const FormState& form, const WindowChartSource& charts) {
            statusDuringRun = find<QLabel>("标签18")->text();
            gridRowsDuringRun = find<ResultView>("高级表格_结果")->model()->rowCount();
            return runQuery(form, charts);
        });
        clickQueryButton();
        QCOMPARE(statusDuringRun, QStringLiteral("前三天查询中。。。"));
        QCOMPARE(gridRowsDuringRun, 0); // emptied before the run
        closeMessageBox();
    }

    void missingLibraryEndsTheProgram() {
        m_form->setQueryRunner([](const FormState&, const WindowChartSource&) -> QueryResult {
            throw chartlib::MissingFunctionError("libpelta.so", "取干支五行");
        });
        QSignalSpy fatal(m_form, &MainForm::fatalError);
        clickQueryButton();
        QCOMPARE(fatal.count(), 0); // not before the user has read the message
        QMessageBox* box = m_form->messageBox();
        QVERIFY(box);
        QCOMPARE(box->icon(), QMessageBox::Critical);
        QCOMPARE(closeMessageBox(),
                 QStringLiteral("无法找到指定DLL库文件“libpelta.so”中的输出命令“取干支五行”"));
        QCOMPARE(fatal.count(), 1);
        QCOMPARE(fatal.first().first().toInt(), 1);
    }

    void descriptionWindowOpens() {
        QTest::mouseClick(find<QPushButton>("按钮1"), Qt::LeftButton);
        DescriptionWindow* window = m_form->descriptionWindow();
        QVERIFY(window->isVisible());
        QVERIFY(window->isWindow());
        QVERIFY(window->isModal());
        QCOMPARE(window->windowTitle(), QStringLiteral("软件说明："));
        // At least the size it had as a one-line window; now it says more.
        QVERIFY(outerSizeFromClient(window->size()).width() >= 379);
        QVERIFY(outerSizeFromClient(window->size()).height() >= 204);
        auto* label = window->findChild<QLabel*>();
        QVERIFY(label->wordWrap());
        QCOMPARE(
            label->text(),
            QStringLiteral("设置指定时间，软件会根据设置的条件查找出符合条件前3天的时间及八字。"));
        const QString body = window->body()->toPlainText();
        QVERIFY2(body.contains(QStringLiteral("bazi-seek 0.")), qPrintable(body));
        for (const char* part : {"结果怎样读", "Ctrl+Z", "农历2016年二月初八", "非0"})
            QVERIFY2(body.contains(QString::fromUtf8(part)), part);
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }
};

QTEST_MAIN(MainFormTest)
#include "main_form_test.moc"
