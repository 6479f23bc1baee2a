#include "ui/condition_row.h"

#include "ui/form_texts.h"
#include "ui/row_geometry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QStyleOptionFrame>

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
    for (std::string_view item : itemsOf(list))
        box->addItem(toQString(item));
    box->setEditable(false);
    box->setMaxVisibleItems(30);
    box->setGeometry(geometry);
    return box;
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

    makeLabel(box, rowLabelCaption(row), at(kRowLabelLeft, kRowLabelWidth));
    r->m_value = makeComboBox(box, r->m_names.value, spec.valueList, at(g.valueLeft, kValueWidth));
    makeLabel(box, QStringLiteral("位置："), at(g.positionLeft - 42, kSmallLabelWidth));
    r->m_position = makeComboBox(box, r->m_names.position, spec.positionList,
                                 at(g.positionLeft, kPositionWidth));
    makeLabel(box, QStringLiteral("数量："), at(g.countLeft - 42, kSmallLabelWidth));
    r->m_count = makeComboBox(box, r->m_names.count, spec.countList, at(g.countLeft, kCountWidth));

    if (spec.reveal == RevealKind::checkBox) {
        r->m_check = new QCheckBox(toQString(spec.checkCaption), box);
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
            auto* radio = new QRadioButton(toQString(kRevealCaptions[k]), set);
            radio->setObjectName(toQString(r->m_names.radios[k]));
            radio->setGeometry(kRadioPlaces[k].left, kRadioTop, kRadioPlaces[k].width,
                               kRadioHeight);
            r->m_radios[k] = radio;
        }
    }

    // Screen readers name each box by its group, row and role: "八字 条件一 位置".
    const QString rowName =
        toQString(spec.caption) + QLatin1Char(' ') + rowLabelCaption(row).chopped(1);
    r->m_value->setAccessibleName(rowName);
    r->m_position->setAccessibleName(rowName + QStringLiteral(" 位置"));
    r->m_count->setAccessibleName(rowName + QStringLiteral(" 数量"));

    r->apply(initialRowState(spec.reveal));
    connect(r->m_value, &QComboBox::activated, r, &ConditionRow::applyEnablingRule);
    connect(r->m_position, &QComboBox::activated, r, &ConditionRow::applyCountPresetRule);
    return r;
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
        // The radio boxes of a set exclude each other: checking one clears the
        // others, and the checked one cannot be cleared directly.
        for (std::size_t k = 0; k < m_radios.size(); ++k)
            if (s.radios[k])
                m_radios[k]->setChecked(true);
        for (QRadioButton* radio : m_radios)
            radio->setEnabled(s.revealEnabled);
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

void ConditionRow::applyEnablingRule() {
    apply(applyRowEnabling(state()));
}

void ConditionRow::applyCountPresetRule() {
    apply(applyCountPreset(state(), m_spec.countPresetIndex));
}

} // namespace bazi::ui
