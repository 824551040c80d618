#pragma once

#include "sk2settings.h"

#include <QDialog>
#include <QPixmap>

#include <array>
#include <functional>
#include <memory>

namespace Ui {
class TFormRaceDefine;
}
class RaceRunner;
class TrackPreview;
class QLabel;
class QScrollBar;

// The main form: pick the tracks of the four race slots, the laps, the races and the screen size, name
// the players, open the steering setup and the track editor, and run a match.
class TFormRaceDefine : public QDialog
{
    Q_OBJECT

public:
    explicit TFormRaceDefine(std::unique_ptr<RaceRunner> runner, QWidget *parent = nullptr);
    ~TFormRaceDefine() override;

    // Record number picked for each race slot (1..4; element 0 is unused).
    const std::array<int, 5> &RaceTrack() const { return m_raceTrack; }
    int InputDevice1() const { return m_inputDevice1; }
    int InputDevice2() const { return m_inputDevice2; }

    // The forms this one opens are created here, so tests can answer them.
    std::function<bool(QWidget *owner)> runSetupForm;   // true when confirmed with OK
    std::function<bool(QWidget *owner)> runTrackEditor; // true when the tracks changed

public slots:
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtnEditClick();
    void BitBtnSetupClick();

private:
    void FormCreate();
    void ReadTrackPicks();
    void ScrollBarChange(int slot);
    void ShowInputDevices();
    QString ShowTrackPreview(int index, TrackPreview *panel);
    void RedrawSlots();
    void RunMatch(int laps);
    void ShowMatchResult(int bonus1, int bonus2, int laps);
    void LoadTilePictures();

    TrackPreview *Panel(int slot) const;
    QScrollBar *ScrollBar(int slot) const;
    QLabel *LabelTrack(int slot) const;

    std::unique_ptr<Ui::TFormRaceDefine> ui;
    std::unique_ptr<RaceRunner> m_runner;
    sk2::Settings m_settings;
    std::array<int, 5> m_raceTrack{};
    int m_currentTrack = 0;
    int m_inputDevice1 = 0;
    int m_inputDevice2 = 0;
    // The nine 22 x 20 preview pictures in image-number order.
    std::array<QPixmap, 9> m_tilePictures;
};
