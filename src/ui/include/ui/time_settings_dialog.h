#pragma once
// TimeSettingsDialog, "时间设置": the time basis every result of the window is
// read on. Four groups, top to bottom:
//   钟表时区     the calendar's fixed UTC+8, or a zone of the tz database (an
//                editable list that finds names by any part; a name it does
//                not know is refused beside it)
//   出生地       a place search over the gazetteer (choosing a place fills its
//                longitude and its clock zone: Beijing time, Asia/Shanghai, in
//                every province of mainland China), or a longitude typed in
//                degrees east
//   日柱、时柱按 the clock, local mean solar time or true solar time (both
//                need the birth place)
//   晚子时       counted to the next day (the day changes at 23:00) or to the
//                same day (at 00:00)
// with the basis in one line below and "恢复默认", OK and Cancel. OK takes
// only a choice without problem: otherwise the problem stays shown at its
// field and the dialog stays open.

#include "places/gazetteer.h"
#include "ui/time_settings.h"

#include <QDialog>

#include <vector>

class QAbstractButton;
class QComboBox;
class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;

namespace bazi::ui {

class TimeSettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit TimeSettingsDialog(const TimeSettings& initial, QWidget* parent = nullptr);

    /// The choice the controls show, each read once.
    [[nodiscard]] TimeSettings settings() const;
    /// Shows a choice in the controls.
    void setSettings(const TimeSettings& settings);
    /// What is wrong with the choice shown; none when OK takes it.
    [[nodiscard]] SettingsProblem problem() const;

    /// Lists the places the search box's text finds (what "查找" does).
    void searchPlaces();
    /// Takes the place of a row of the list: its longitude, name and clock zone.
    void choosePlace(int row);
    /// Back to the calendar's own basis (what "恢复默认" does).
    void restoreDefaults();
    /// The places listed, in the order of the list.
    [[nodiscard]] const std::vector<Place>& places() const { return m_places; }

    void accept() override;

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void retranslate();
    /// The basis of a choice read from the dialog, or its first problem.
    [[nodiscard]] SettingsBasis chosenBasis(const TimeSettings& settings) const;
    /// Shows the problem at its field and the basis the choice gives; the
    /// problem, for accept().
    SettingsProblem refresh();
    void showChosenPlace();
    void showZone(const QString& name);

    QGroupBox* m_zoneGroup;
    QRadioButton* m_fixedZone;
    QRadioButton* m_namedZone;
    QComboBox* m_zone;
    QLabel* m_zoneProblem;

    QGroupBox* m_placeGroup;
    QLabel* m_searchLabel;
    QLineEdit* m_search;
    QPushButton* m_searchButton;
    QListWidget* m_placeList;
    QLabel* m_placeNote;
    QLabel* m_longitudeLabel;
    QLineEdit* m_longitude;
    QLabel* m_longitudeProblem;

    QGroupBox* m_solarGroup;
    QRadioButton* m_clockTime;
    QRadioButton* m_meanSolar;
    QRadioButton* m_trueSolar;
    QLabel* m_solarProblem;

    QGroupBox* m_lateZiGroup;
    QRadioButton* m_nextDay;
    QRadioButton* m_sameDay;

    QLabel* m_foldNote;
    QLabel* m_preview;
    QDialogButtonBox* m_buttons;
    QPushButton* m_defaults;
    QTimer* m_searchTimer;

    std::vector<Place> m_places;
    std::string m_placeName; // the place the longitude shown is of; empty when typed
};

} // namespace bazi::ui
