#include "ui/condition_row.h"

#include "ui/control_help.h"
#include "ui/form_texts.h"
#include "ui/row_geometry.h"
#include "ui/terms.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QAbstractItemView>
#include <QRadioButton>
#include <QStyleOptionFrame>

#include <algorithm>

namespace bazi::ui {
namespace {

// The uncaptioned box around a reveal radio set. Like a captionless group box
// on Windows it draws its frame from half a text line below its top, so the
// sets of neighbouring rows, 25 px apart but 30 px tall, do not overlap.
class RevealSetBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QStyleOptionFrame frame;
        frame.initFrom(this);
        frame.rect = rect().adjusted(0, 6, 0, 0);
        frame.features = QStyleOptionFrame::None;
        frame.lineWidth = 1;
        frame.midLineWidth = 0;
        style()->drawPrimitive(QStyle::PE_FrameGroupBox, &frame, &painter, this);
    }
};

QComboBox* makeComboBox(QWidget* parent, const std::string& name, ItemList list, QRect geometry) {
    auto* box = new QComboBox(parent);
    box->setObjectName(toQString(name));
    for (std::size_t i = 0; i < itemsOf(list).size(); ++i)
        box->addItem(QString());
    box->setEditable(false);
    box->setMaxVisibleItems(30);
    box->setGeometry(geometry);
    return box;
}

// Item texts in the language chosen; a translation longer than the box is
// read in full in the list, which grows to fit it.
void writeItems(QComboBox* box, ItemList list) {
    const auto items = itemsOf(list);
    int widest = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const QString text = termText(items[i]);
        box->setItemText(int(i), text);
        widest = std::max(widest, box->fontMetrics().horizontalAdvance(text));
    }
    box->view()->setMinimumWidth(std::max(box->width(), widest + 24));
}

QLabel* makeLabel(QWidget* parent, const QString& caption, QRect geometry) {
    auto* label = new QLabel(caption, parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

} // namespace

ConditionRow::ConditionRow(const GroupSpec& spec, int row, QGroupBox* box)
    : QObject(box), m_spec(spec), m_row(row), m_names(rowNames(spec.id, row)) {}

ConditionRow* ConditionRow::build(QGroupBox* box, const GroupSpec& spec, int row) {
    auto* r = new ConditionRow(spec, row, box);
    const GroupGeometry& g = groupGeometry(spec.id);
    const int top = g.rowTops[static_cast<std::size_t>(row - 1)];
    auto at = [top](int left, int width) { return QRect(left, top, width, kRowHeight); };

    r->m_rowLabel = makeLabel(box, QString(), at(kRowLabelLeft, kRowLabelWidth));
    r->m_value = makeComboBox(box, r->m_names.value, spec.valueList, at(g.valueLeft, kValueWidth));
    r->m_positionLabel = makeLabel(box, QString(), at(g.positionLeft - 42, kSmallLabelWidth));
    r->m_position = makeComboBox(box, r->m_names.position, spec.positionList,
                                 at(g.positionLeft, kPositionWidth));
    r->m_countLabel = makeLabel(box, QString(), at(g.countLeft - 42, kSmallLabelWidth));
    r->m_count = makeComboBox(box, r->m_names.count, spec.countList, at(g.countLeft, kCountWidth));

    if (spec.reveal == RevealKind::checkBox) {
        r->m_check = new QCheckBox(box);
        r->m_check->setObjectName(toQString(r->m_names.checkBox));
        r->m_check->setGeometry(at(g.checkLeft, g.checkWidth));
    }
    if (spec.reveal == RevealKind::radioSet) {
        auto* set = new RevealSetBox(box);
        set->setObjectName(toQString(r->m_names.radioBox));
        set->setGeometry(
            QRect(QPoint(g.radioSetLeft, g.radioSetTops[static_cast<std::size_t>(row - 1)]),
                  kRadioSetSize));
        for (std::size_t k = 0; k < r->m_radios.size(); ++k) {
            auto* radio = new QRadioButton(set);
            radio->setObjectName(toQString(r->m_names.radios[k]));
            radio->setGeometry(kRadioPlaces[k].left, kRadioTop, kRadioPlaces[k].width,
                               kRadioHeight);
            r->m_radios[k] = radio;
        }
    }

    r->apply(initialRowState(spec.reveal));
    connect(r->m_value, &QComboBox::activated, r, &ConditionRow::applyEnablingRule);
    connect(r->m_position, &QComboBox::activated, r, &ConditionRow::applyCountPresetRule);
    connect(r->m_count, &QComboBox::activated, r, &ConditionRow::edited);
    if (r->m_check)
        connect(r->m_check, &QCheckBox::clicked, r, &ConditionRow::edited);
    for (QRadioButton* radio : r->m_radios)
        if (radio)
            connect(radio, &QRadioButton::clicked, r, &ConditionRow::edited);
    return r;
}

void ConditionRow::retranslate() {
    const QString caption = rowLabelCaption(m_row);
    m_rowLabel->setText(caption);
    m_positionLabel->setText(tr("位置："));
    m_countLabel->setText(tr("数量："));
    writeItems(m_value, m_spec.valueList);
    writeItems(m_position, m_spec.positionList);
    writeItems(m_count, m_spec.countList);
    m_value->setToolTip(valueBoxHelp(m_spec.id));
    m_position->setToolTip(positionBoxHelp(m_spec.id));
    m_count->setToolTip(countBoxHelp(m_spec.id));
    if (m_check) {
        m_check->setText(captionText(m_spec.checkCaption));
        m_check->setToolTip(revealCheckHelp(m_spec.id));
    }
    for (std::size_t k = 0; k < m_radios.size(); ++k) {
        if (!m_radios[k])
            continue;
        m_radios[k]->setText(captionText(kRevealCaptions[k]));
        m_radios[k]->setToolTip(revealOptionHelp(static_cast<RevealOption>(k)));
    }
    // Screen readers name each box by its group, row and role: "八字 条件一 位置".
    const QString rowName = rowCaptionText(m_spec.id, m_row);
    m_value->setAccessibleName(rowName);
    m_position->setAccessibleName(rowName + QLatin1Char(' ') + tr("位置"));
    m_count->setAccessibleName(rowName + QLatin1Char(' ') + tr("数量"));
}

void ConditionRow::setCountTrap(bool trapped) {
    if (m_count->property("countTrap").toBool() == trapped)
        return;
    m_count->setProperty("countTrap", trapped);
    QPalette p = m_value->palette();
    if (trapped) {
        p.setColor(QPalette::Button, QColor(0xff, 0xe0, 0x99));
        p.setColor(QPalette::Base, QColor(0xff, 0xe0, 0x99));
    }
    m_count->setPalette(p);
}

RowState ConditionRow::state() const {
    RowState s;
    s.reveal = m_spec.reveal;
    s.value = m_value->currentIndex();
    s.position = m_position->currentIndex();
    s.count = m_count->currentIndex();
    s.positionEnabled = m_position->isEnabled();
    s.countEnabled = m_count->isEnabled();
    if (m_check) {
        s.checked = m_check->isChecked();
        s.revealEnabled = m_check->isEnabled();
    }
    if (m_radios[0]) {
        for (std::size_t k = 0; k < m_radios.size(); ++k)
            s.radios[k] = m_radios[k]->isChecked();
        s.revealEnabled = m_radios[0]->isEnabled();
    }
    return s;
}

void ConditionRow::apply(const RowState& s) {
    m_value->setCurrentIndex(s.value);
    m_position->setCurrentIndex(s.position);
    m_count->setCurrentIndex(s.count);
    m_position->setEnabled(s.positionEnabled);
    m_count->setEnabled(s.countEnabled);
    if (m_check) {
        m_check->setChecked(s.checked);
        m_check->setEnabled(s.revealEnabled);
    }
    if (m_radios[0]) {
        // The radio boxes of a set exclude each other, and the checked one
        // cannot be cleared while they do; a set with none checked (possible
        // in a form state file) is written with exclusion off.
        for (QRadioButton* radio : m_radios)
            radio->setAutoExclusive(false);
        for (std::size_t k = 0; k < m_radios.size(); ++k) {
            m_radios[k]->setChecked(s.radios[k]);
            m_radios[k]->setEnabled(s.revealEnabled);
        }
        for (QRadioButton* radio : m_radios)
            radio->setAutoExclusive(true);
    }
}

void ConditionRow::capture(FormState& form) const {
    form.select(m_names.value, m_value->currentIndex());
    form.select(m_names.position, m_position->currentIndex());
    form.select(m_names.count, m_count->currentIndex());
    if (m_check)
        form.setChecked(m_names.checkBox, m_check->isChecked());
    if (m_radios[0])
        for (std::size_t k = 0; k < m_radios.size(); ++k)
            form.setChecked(m_names.radios[k], m_radios[k]->isChecked());
}

void ConditionRow::load(const FormState& form) {
    RowState s = initialRowState(m_spec.reveal);
    s.value = form.selection(m_names.value);
    s.position = form.selection(m_names.position);
    s.count = form.selection(m_names.count);
    if (m_check)
        s.checked = form.isChecked(m_names.checkBox);
    if (m_radios[0])
        for (std::size_t k = 0; k < m_radios.size(); ++k)
            s.radios[k] = form.isChecked(m_names.radios[k]);
    apply(withRowEnabling(s));
}

void ConditionRow::applyEnablingRule() {
    apply(applyRowEnabling(state()));
    Q_EMIT edited();
}

void ConditionRow::applyCountPresetRule() {
    apply(applyCountPreset(state(), m_spec.countPresetIndex));
    Q_EMIT edited();
}

} // namespace bazi::ui
