#include "ui/time_settings_dialog.h"

#include "basis/clock_zone.h"
#include "ui/form_texts.h"
#include "ui/message_texts.h"
#include "ui/search_page_parts.h"

#include <QCompleter>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>
#include <exception>
#include <limits>

namespace bazi::ui {
namespace {

// At most this many places are listed for a search.
constexpr std::size_t kListedPlaces = 30;

QLabel* problemLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    setWarningColour(label);
    label->hide();
    return label;
}

void showProblem(QLabel* label, const QString& text) {
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

QRadioButton* radio(QWidget* parent, const QString& name) {
    auto* button = new QRadioButton(parent);
    button->setObjectName(name);
    return button;
}

// The longitude as the gazetteer gives it, in the fewest digits that read back
// as the same number.
QString longitudeField(double degrees) {
    return QString::number(degrees, 'g', QLocale::FloatingPointShortest);
}

} // namespace

TimeSettingsDialog::TimeSettingsDialog(const TimeSettings& initial, QWidget* parent)
    : QDialog(parent), m_zoneGroup(new QGroupBox(this)),
      m_fixedZone(radio(m_zoneGroup, QStringLiteral("单选框_固定时区"))),
      m_namedZone(radio(m_zoneGroup, QStringLiteral("单选框_时区"))),
      m_zone(new QComboBox(m_zoneGroup)),
      m_zoneProblem(problemLabel(m_zoneGroup, QStringLiteral("标签_时区问题"))),
      m_placeGroup(new QGroupBox(this)), m_searchLabel(new QLabel(m_placeGroup)),
      m_search(new QLineEdit(m_placeGroup)), m_searchButton(new QPushButton(m_placeGroup)),
      m_placeList(new QListWidget(m_placeGroup)), m_placeNote(new QLabel(m_placeGroup)),
      m_longitudeLabel(new QLabel(m_placeGroup)), m_longitude(new QLineEdit(m_placeGroup)),
      m_longitudeProblem(problemLabel(m_placeGroup, QStringLiteral("标签_经度问题"))),
      m_solarGroup(new QGroupBox(this)),
      m_clockTime(radio(m_solarGroup, QStringLiteral("单选框_钟表时"))),
      m_meanSolar(radio(m_solarGroup, QStringLiteral("单选框_平太阳时"))),
      m_trueSolar(radio(m_solarGroup, QStringLiteral("单选框_真太阳时"))),
      m_solarProblem(problemLabel(m_solarGroup, QStringLiteral("标签_太阳时问题"))),
      m_lateZiGroup(new QGroupBox(this)),
      m_nextDay(radio(m_lateZiGroup, QStringLiteral("单选框_晚子时次日"))),
      m_sameDay(radio(m_lateZiGroup, QStringLiteral("单选框_晚子时当日"))),
      m_foldNote(new QLabel(this)), m_preview(new QLabel(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)),
      // A button of our own: the box would write a standard one's text anew
      // on a change of language.
      m_defaults(m_buttons->addButton(QString(), QDialogButtonBox::ResetRole)),
      m_searchTimer(new QTimer(this)) {
    setObjectName(QStringLiteral("TimeSettingsDialog"));
    m_zoneGroup->setObjectName(QStringLiteral("分组_时区"));
    m_placeGroup->setObjectName(QStringLiteral("分组_出生地"));
    m_solarGroup->setObjectName(QStringLiteral("分组_太阳时"));
    m_lateZiGroup->setObjectName(QStringLiteral("分组_晚子时"));
    m_zone->setObjectName(QStringLiteral("组合框_时区"));
    m_search->setObjectName(QStringLiteral("编辑框_查找地点"));
    m_searchButton->setObjectName(QStringLiteral("按钮_查找地点"));
    m_placeList->setObjectName(QStringLiteral("列表_地点"));
    m_placeNote->setObjectName(QStringLiteral("标签_所选地点"));
    m_longitude->setObjectName(QStringLiteral("编辑框_经度"));
    m_foldNote->setObjectName(QStringLiteral("标签_重复时刻"));
    m_preview->setObjectName(QStringLiteral("标签_基准预览"));
    m_defaults->setObjectName(QStringLiteral("按钮_恢复默认"));
    m_buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("按钮_确定"));
    m_buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    m_buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("按钮_取消"));

    // Clock zone: every name of the tz database, found by any part of it.
    m_zone->setEditable(true);
    m_zone->setInsertPolicy(QComboBox::NoInsert);
    m_zone->setMaxVisibleItems(20);
    m_zone->setMinimumContentsLength(24);
    for (const std::string& name : clockZoneNames())
        m_zone->addItem(toQString(name));
    m_zone->completer()->setFilterMode(Qt::MatchContains);
    m_zone->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    m_zone->completer()->setCompletionMode(QCompleter::PopupCompletion);
    auto* zoneLayout = new QGridLayout(m_zoneGroup);
    zoneLayout->addWidget(m_fixedZone, 0, 0, 1, 2);
    zoneLayout->addWidget(m_namedZone, 1, 0);
    zoneLayout->addWidget(m_zone, 1, 1);
    zoneLayout->addWidget(m_zoneProblem, 2, 0, 1, 2);
    zoneLayout->setColumnStretch(1, 1);

    // Birth place: a search over the gazetteer, or a longitude typed.
    m_searchLabel->setBuddy(m_search);
    m_search->setClearButtonEnabled(true);
    m_search->setMaxLength(100);
    m_placeList->setMinimumHeight(110);
    m_placeNote->setWordWrap(true);
    m_longitudeLabel->setBuddy(m_longitude);
    m_longitude->setMaxLength(32);
    auto* placeLayout = new QGridLayout(m_placeGroup);
    placeLayout->addWidget(m_searchLabel, 0, 0);
    placeLayout->addWidget(m_search, 0, 1);
    placeLayout->addWidget(m_searchButton, 0, 2);
    placeLayout->addWidget(m_placeList, 1, 0, 1, 3);
    placeLayout->addWidget(m_placeNote, 2, 0, 1, 3);
    placeLayout->addWidget(m_longitudeLabel, 3, 0);
    placeLayout->addWidget(m_longitude, 3, 1, 1, 2);
    placeLayout->addWidget(m_longitudeProblem, 4, 0, 1, 3);
    placeLayout->setColumnStretch(1, 1);

    auto* solarLayout = new QGridLayout(m_solarGroup);
    solarLayout->addWidget(m_clockTime, 0, 0);
    solarLayout->addWidget(m_meanSolar, 0, 1);
    solarLayout->addWidget(m_trueSolar, 0, 2);
    solarLayout->addWidget(m_solarProblem, 1, 0, 1, 3);
    solarLayout->setColumnStretch(3, 1);

    auto* lateZiLayout = new QVBoxLayout(m_lateZiGroup);
    lateZiLayout->addWidget(m_nextDay);
    lateZiLayout->addWidget(m_sameDay);

    m_foldNote->setWordWrap(true);
    m_preview->setWordWrap(true);
    m_preview->setTextFormat(Qt::PlainText);
    m_preview->setFrameShape(QFrame::StyledPanel);
    m_preview->setMargin(4);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_zoneGroup);
    layout->addWidget(m_placeGroup, 1);
    layout->addWidget(m_solarGroup);
    layout->addWidget(m_lateZiGroup);
    layout->addWidget(m_foldNote);
    layout->addWidget(m_preview);
    layout->addWidget(m_buttons);

    // Enter searches in the search box and takes a place in the list, rather
    // than closing the dialog.
    m_search->installEventFilter(this);
    m_placeList->installEventFilter(this);
    m_searchTimer->setSingleShot(true);
    m_searchTimer->setInterval(300);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &TimeSettingsDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_defaults, &QPushButton::clicked, this, &TimeSettingsDialog::restoreDefaults);
    connect(m_searchButton, &QPushButton::clicked, this, &TimeSettingsDialog::searchPlaces);
    connect(m_search, &QLineEdit::textEdited, m_searchTimer, qOverload<>(&QTimer::start));
    connect(m_searchTimer, &QTimer::timeout, this, &TimeSettingsDialog::searchPlaces);
    connect(m_placeList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { choosePlace(m_placeList->row(item)); });
    connect(m_longitude, &QLineEdit::textEdited, this, [this] {
        m_placeName.clear(); // a longitude typed is no longer the place's
        showChosenPlace();
        refresh();
    });
    // A zone name is judged once it is complete: when taken from the list or
    // when the box is left.
    connect(m_zone, &QComboBox::textActivated, this, &TimeSettingsDialog::refresh);
    connect(m_zone->lineEdit(), &QLineEdit::editingFinished, this, &TimeSettingsDialog::refresh);
    connect(m_fixedZone, &QRadioButton::toggled, m_zone, &QWidget::setDisabled);
    for (QRadioButton* button :
         {m_fixedZone, m_namedZone, m_clockTime, m_meanSolar, m_trueSolar, m_nextDay, m_sameDay})
        connect(button, &QRadioButton::toggled, this, &TimeSettingsDialog::refresh);

    setSettings(initial);
    retranslate();
    // Wide enough for the basis line and a place with its province and zone.
    setMinimumWidth(560);
    resize(sizeHint());
}

TimeSettings TimeSettingsDialog::settings() const {
    TimeSettings s;
    if (m_namedZone->isChecked())
        s.zone = m_zone->currentText().trimmed().toStdString();
    const QString longitude = m_longitude->text().trimmed();
    if (!longitude.isEmpty()) {
        bool number = false;
        const double degrees = QLocale::c().toDouble(longitude, &number);
        s.longitude = number ? degrees : std::numeric_limits<double>::quiet_NaN();
        s.placeName = m_placeName;
    }
    s.solarTime = m_trueSolar->isChecked()   ? SolarTime::apparent
                  : m_meanSolar->isChecked() ? SolarTime::mean
                                             : SolarTime::off;
    s.lateZi = m_sameDay->isChecked() ? LateZi::sameDay : LateZi::nextDay;
    return s;
}

void TimeSettingsDialog::setSettings(const TimeSettings& s) {
    const bool named = !s.zone.empty();
    (named ? m_namedZone : m_fixedZone)->setChecked(true);
    m_zone->setEnabled(named);
    showZone(named ? toQString(s.zone) : QStringLiteral("Asia/Shanghai"));
    m_longitude->setText(s.longitude ? longitudeField(*s.longitude) : QString());
    m_placeName = s.longitude ? s.placeName : std::string();
    switch (s.solarTime) {
    case SolarTime::off: m_clockTime->setChecked(true); break;
    case SolarTime::mean: m_meanSolar->setChecked(true); break;
    case SolarTime::apparent: m_trueSolar->setChecked(true); break;
    }
    (s.lateZi == LateZi::sameDay ? m_sameDay : m_nextDay)->setChecked(true);
    showChosenPlace();
    refresh();
}

SettingsBasis TimeSettingsDialog::chosenBasis(const TimeSettings& s) const {
    // A zone chosen but not named is not a zone either.
    if (m_namedZone->isChecked() && m_zone->currentText().trimmed().isEmpty())
        return {TimeBasis{}, SettingsProblem::unknownZone};
    return basisFromSettings(s);
}

SettingsProblem TimeSettingsDialog::problem() const {
    return chosenBasis(settings()).problem;
}

// Runs on every keystroke in the longitude and every toggle: the zone file is
// read once per refresh.
SettingsProblem TimeSettingsDialog::refresh() {
    const TimeSettings s = settings();
    const SettingsBasis chosen = chosenBasis(s);
    const SettingsProblem p = chosen.problem;
    const QString text = settingsProblemText(p, s);
    const bool zoneProblem =
        p == SettingsProblem::unknownZone || p == SettingsProblem::unsupportedZone;
    showProblem(m_zoneProblem, zoneProblem ? text : QString());
    showProblem(m_longitudeProblem, p == SettingsProblem::longitudeOutOfRange ? text : QString());
    showProblem(m_solarProblem, p == SettingsProblem::solarTimeWithoutPlace ? text : QString());
    if (p == SettingsProblem::none)
        m_preview->setText(tr("时间基准：%1").arg(basisLineText(chosen.basis)));
    else
        m_preview->setText(tr("时间基准：（请先改正上面标红的设置）"));
    return p;
}

void TimeSettingsDialog::showZone(const QString& name) {
    // The list's own item where there is one, so that it opens on it.
    const int index = m_zone->findText(name);
    if (index >= 0)
        m_zone->setCurrentIndex(index);
    m_zone->setEditText(name);
}

void TimeSettingsDialog::showChosenPlace() {
    if (!m_placeName.empty())
        m_placeNote->setText(tr("出生地：%1").arg(toQString(m_placeName)));
    else if (!m_longitude->text().trimmed().isEmpty())
        m_placeNote->setText(tr("出生地：按所填经度"));
    else
        m_placeNote->setText(tr("出生地：未选（只有平太阳时、真太阳时需要）"));
}

void TimeSettingsDialog::searchPlaces() {
    m_searchTimer->stop();
    m_places.clear();
    m_placeList->clear();
    const QString query = m_search->text().trimmed();
    if (query.isEmpty())
        return;
    try {
        m_places = findPlaces(query.toStdString(), kListedPlaces);
    } catch (const std::exception& e) {
        auto* item = new QListWidgetItem(tr("地名库无法使用：%1").arg(libraryErrorText(e)));
        item->setFlags(Qt::NoItemFlags);
        m_placeList->addItem(item);
        return;
    }
    if (m_places.empty()) {
        auto* item = new QListWidgetItem(
            tr("没有找到“%1”：试试中文或英文地名，例如 成都、New York").arg(query));
        item->setFlags(Qt::NoItemFlags);
        m_placeList->addItem(item);
        return;
    }
    for (const Place& p : m_places) {
        QStringList where{toQString(p.name)};
        for (const std::string& part : {p.state, p.country})
            if (!part.empty())
                where << toQString(part);
        const QString longitude = p.longitude < 0
                                      ? tr("西经 %1°").arg(QString::number(-p.longitude, 'f', 4))
                                      : tr("东经 %1°").arg(QString::number(p.longitude, 'f', 4));
        m_placeList->addItem(
            tr("%1  %2  时区 %3")
                .arg(where.join(QStringLiteral(" · ")), longitude, toQString(p.clockZone)));
    }
    m_placeList->setCurrentRow(0);
}

void TimeSettingsDialog::choosePlace(int row) {
    if (row < 0 || row >= static_cast<int>(m_places.size()))
        return;
    const Place& p = m_places[static_cast<std::size_t>(row)];
    m_placeName = p.name;
    m_longitude->setText(longitudeField(p.longitude));
    // The clock the place kept: Beijing time everywhere in mainland China.
    m_namedZone->setChecked(true);
    showZone(toQString(p.clockZone));
    showChosenPlace();
    refresh();
}

void TimeSettingsDialog::restoreDefaults() {
    setSettings(TimeSettings{});
}

void TimeSettingsDialog::accept() {
    switch (refresh()) {
    case SettingsProblem::none: QDialog::accept(); return;
    case SettingsProblem::unknownZone:
    case SettingsProblem::unsupportedZone: m_zone->setFocus(); break;
    case SettingsProblem::longitudeOutOfRange: m_longitude->setFocus(); break;
    case SettingsProblem::solarTimeWithoutPlace: m_search->setFocus(); break;
    }
}

bool TimeSettingsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (watched == m_search && enter) {
            searchPlaces();
            return true;
        }
        if (watched == m_search && key->key() == Qt::Key_Down && m_placeList->count() > 0) {
            m_placeList->setFocus();
            return true;
        }
        if (watched == m_placeList && enter) {
            choosePlace(m_placeList->currentRow());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TimeSettingsDialog::retranslate() {
    setWindowTitle(tr("时间设置"));
    m_zoneGroup->setTitle(tr("钟表时区"));
    m_fixedZone->setText(tr("东八区固定时间 UTC+8（日历默认，无夏令时）(&U)"));
    m_namedZone->setText(tr("时区(&Z)："));
    m_zone->setToolTip(tr("时区数据库中的名称，如 Asia/Shanghai（含 1986–1991 年夏令时）、"
                          "America/New_York；输入名称的任一部分即可查找"));
    m_placeGroup->setTitle(tr("出生地"));
    m_searchLabel->setText(tr("查找地点(&P)："));
    m_search->setPlaceholderText(tr("中文或英文地名，如 成都、乌鲁木齐、London"));
    m_searchButton->setText(tr("查找"));
    m_placeList->setToolTip(tr("单击或按 Enter 选用地点：填入它的经度和钟表时区"
                               "（中国大陆各地都用北京时间 Asia/Shanghai）"));
    m_longitudeLabel->setText(tr("经度(&L)："));
    m_longitude->setPlaceholderText(tr("度，东经为正、西经为负，如 104.07"));
    m_solarGroup->setTitle(tr("日柱、时柱按"));
    m_clockTime->setText(tr("钟表时间(&C)"));
    m_clockTime->setToolTip(tr("按所选时区的标准时：夏令时的一小时不计"));
    m_meanSolar->setText(tr("平太阳时(&M)"));
    m_meanSolar->setToolTip(tr("出生地的地方平时：UTC 加经度每度 4 分钟"));
    m_trueSolar->setText(tr("真太阳时(&T)"));
    m_trueSolar->setToolTip(tr("平太阳时加均时差：日晷上的时间"));
    m_lateZiGroup->setTitle(tr("晚子时（23:00–24:00）"));
    m_nextDay->setText(tr("晚子时算次日：23 时换日(&N)"));
    m_sameDay->setText(tr("晚子时算当日：0 时换日(&S)"));
    m_sameDay->setToolTip(tr("23 时至 24 时仍用当天的日柱，时柱取次日的子时柱"));
    m_foldNote->setText(tr("夏令时结束、钟表拨回时重复出现的钟点，按第一次（夏令时）读。"));
    m_defaults->setText(tr("恢复默认(&R)"));
    m_defaults->setToolTip(tr("回到日历的默认：东八区固定时间，按钟表时间，晚子时算次日"));
    showChosenPlace();
    refresh();
    const int row = m_placeList->currentRow();
    if (!m_places.empty()) {
        searchPlaces();
        m_placeList->setCurrentRow(row);
    }
}

void TimeSettingsDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

} // namespace bazi::ui
