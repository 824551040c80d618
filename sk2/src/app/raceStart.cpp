#include "raceStart.h"

#include "matchrules.h"
#include "racecounters.h"
#include "racerunner.h"
#include "sk2settings.h"
#include "standarderror.h"
#include "trackfile.h"
#include "trackpreview.h"
#include "trackrecord.h"
#include "ui_raceStart.h"

#include <QFile>
#include <QScrollBar>

using namespace sk2;

namespace {

const char *const DeviceNames[] = {"KeyBoard", "Mouse", "Joy Stick 1", "Joy Stick 2"};

int LargeChange(int trackCount)
{
    return trackCount / 4 == 0 ? 1 : trackCount / 4;
}

} // namespace

TFormRaceDefine::TFormRaceDefine(std::unique_ptr<RaceRunner> runner, QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , ui(std::make_unique<Ui::TFormRaceDefine>())
    , m_runner(std::move(runner))
{
    ui->setupUi(this);
    setFixedSize(size());
    ui->UpDown1->setAssociate(ui->EditLaps);
    ui->UpDown2->setAssociate(ui->EditRaces);
    ui->Image1->setPixmap(QPixmap(QStringLiteral(":/sk2/cars/car1.png")));
    ui->Image2->setPixmap(QPixmap(QStringLiteral(":/sk2/cars/car2.png")));
    ui->BitBtnEdit->setIcon(QIcon(QStringLiteral(":/sk2/cars/track.png")));
    LoadTilePictures();

    for (int slot = 1; slot <= MatchRules::SlotCount; ++slot)
        connect(ScrollBar(slot), &QScrollBar::valueChanged, this, [this, slot] { ScrollBarChange(slot); });
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TFormRaceDefine::BitBtn1Click);
    connect(ui->BitBtn2, &QPushButton::clicked, this, &TFormRaceDefine::BitBtn2Click);
    connect(ui->BitBtnEdit, &QToolButton::clicked, this, &TFormRaceDefine::BitBtnEditClick);
    connect(ui->BitBtnSetup, &QPushButton::clicked, this, &TFormRaceDefine::BitBtnSetupClick);

    // An error part-way leaves the form with what was set so far.
    RunHandler(this, [this] { FormCreate(); });
    ui->BitBtn1->setFocus();
}

TFormRaceDefine::~TFormRaceDefine() = default;

TrackPreview *TFormRaceDefine::Panel(int slot) const
{
    return std::array{ui->Panel2, ui->Panel3, ui->Panel4, ui->Panel5}[slot - 1];
}

QScrollBar *TFormRaceDefine::ScrollBar(int slot) const
{
    return std::array{ui->ScrollBar1, ui->ScrollBar2, ui->ScrollBar3, ui->ScrollBar4}[slot - 1];
}

QLabel *TFormRaceDefine::LabelTrack(int slot) const
{
    return std::array{ui->LabelTrack1, ui->LabelTrack2, ui->LabelTrack3, ui->LabelTrack4}[slot - 1];
}

void TFormRaceDefine::LoadTilePictures()
{
    for (int image = 0; image < int(m_tilePictures.size()); ++image)
        m_tilePictures[image] = QPixmap(QStringLiteral(":/sk2/preview/%1.png").arg(image));
}

void TFormRaceDefine::FormCreate()
{
    ui->EditPlayer1->setText(m_settings.ReadString(Keys::Name(1), StartDefaults::Name()));
    ui->EditPlayer2->setText(m_settings.ReadString(Keys::Name(2), StartDefaults::Name()));
    RacesInMatch = m_settings.ReadInteger(Keys::Races, StartDefaults::Races);
    const int laps = m_settings.ReadInteger(Keys::Laps, StartDefaults::Laps);
    ui->RGscreenSize->setItemIndex(m_settings.ReadInteger(Keys::ScreenSize, StartDefaults::ScreenSize));
    ui->EditRaces->setText(QString::number(RacesInMatch));
    ui->EditLaps->setText(QString::number(laps));
    const bool cycle = m_settings.ReadBool(Keys::CycleTracks, StartDefaults::CycleTracks);
    ui->RadioButtonCycle->setChecked(cycle);
    ui->RadioButtonSel->setChecked(!cycle);
    ShowInputDevices();
    ReadTrackPicks();
}

void TFormRaceDefine::ReadTrackPicks()
{
    if (!QFile::exists(TrackFileName())) {
        m_raceTrack.fill(0);
        return;
    }
    ReopenTrackFile();
    const int count = TrackCount();
    for (int slot = 1; slot <= MatchRules::SlotCount; ++slot) {
        const int pick = m_settings.ReadInteger(Keys::RaceTrack(slot), StartDefaults::RaceTrack(slot));
        m_raceTrack[slot] = MatchRules::ClampTrackPick(pick, count);
        LabelTrack(slot)->setText(ShowTrackPreview(m_raceTrack[slot], Panel(slot)));
        QScrollBar *bar = ScrollBar(slot);
        const QSignalBlocker quiet(bar);
        bar->setRange(0, count - 1);
        bar->setPageStep(LargeChange(count));
        bar->setValue(m_raceTrack[slot]);
    }
}

QString TFormRaceDefine::ShowTrackPreview(int index, TrackPreview *panel)
{
    const TTrackRec track = ReadTrack(index);
    for (int k = 0; k < TrackPreview::Cells; ++k) {
        const int code = TileCode(track, k);
        const int image = TileImageNumber(code);
        panel->setCell(k, image >= 0 ? m_tilePictures[image] : QPixmap(), code);
    }
    return TrackName(track);
}

void TFormRaceDefine::ScrollBarChange(int slot)
{
    const int position = ScrollBar(slot)->value();
    if (position < 0)
        return;
    RunHandler(this, [&] {
        LabelTrack(slot)->setText(ShowTrackPreview(position, Panel(slot)));
        m_raceTrack[slot] = position;
    });
}

void TFormRaceDefine::ShowInputDevices()
{
    m_inputDevice1 = m_settings.ReadInteger(Keys::InputDevice(1), StartDefaults::InputDevice);
    m_inputDevice2 = m_settings.ReadInteger(Keys::InputDevice(2), StartDefaults::InputDevice);
    if (m_inputDevice1 >= 0 && m_inputDevice1 <= 3)
        ui->LabelP1input->setText(QLatin1String(DeviceNames[m_inputDevice1]));
    if (m_inputDevice2 >= 0 && m_inputDevice2 <= 3)
        ui->LabelP2input->setText(QLatin1String(DeviceNames[m_inputDevice2]));
}

void TFormRaceDefine::BitBtnSetupClick()
{
    RunHandler(this, [this] {
        if (runSetupForm && runSetupForm(this))
            ShowInputDevices();
    });
}

void TFormRaceDefine::BitBtnEditClick()
{
    RunHandler(this, [this] {
        if (!runTrackEditor || !runTrackEditor(this) || !QFile::exists(TrackFileName()))
            return;
        ReopenTrackFile();
        RedrawSlots();
    });
}

void TFormRaceDefine::RedrawSlots()
{
    const int count = TrackCount();
    for (int slot = 1; slot <= MatchRules::SlotCount; ++slot) {
        QScrollBar *bar = ScrollBar(slot);
        const QSignalBlocker quiet(bar);
        bar->setMaximum(count - 1);
        bar->setPageStep(LargeChange(count));
        m_raceTrack[slot] = MatchRules::ClampTrackPick(m_raceTrack[slot], count);
        LabelTrack(slot)->setText(ShowTrackPreview(m_raceTrack[slot], Panel(slot)));
    }
}

void TFormRaceDefine::BitBtn1Click()
{
    RunHandler(this, [this] {
        ui->PanelWinner->hide();
        const int laps = MatchRules::LapsFromText(ui->EditLaps->text());
        RacesInMatch = MatchRules::RacesFromText(ui->EditRaces->text());
        m_settings.WriteInteger(Keys::LastPicked, m_raceTrack[1]);
        m_settings.WriteInteger(Keys::ScreenSize, ui->RGscreenSize->itemIndex());
        m_settings.WriteInteger(Keys::Laps, laps);
        m_settings.WriteString(Keys::Name(1), ui->EditPlayer1->text());
        m_settings.WriteString(Keys::Name(2), ui->EditPlayer2->text());
        m_settings.WriteInteger(Keys::Races, RacesInMatch);
        m_settings.WriteBool(Keys::CycleTracks, ui->RadioButtonCycle->isChecked());
        m_settings.WriteInteger(Keys::Score(1), 0);
        m_settings.WriteInteger(Keys::Score(2), 0);
        m_settings.WriteInteger(Keys::RaceTrack(1), m_raceTrack[1]);
        RunMatch(laps);
    });
}

void TFormRaceDefine::RunMatch(int laps)
{
    m_currentTrack = m_raceTrack[1];
    CurrentRaceNo = 1;
    hide();
    int slot = 1;
    int bonus1 = 0;
    int bonus2 = 0;
    const bool smallScreen = ui->RGscreenSize->itemIndex() == 0;
    // However a race ends, even by an error, the form comes back.
    try {
        for (int race = 1; race <= RacesInMatch; ++race) {
            if (ui->RadioButtonCycle->isChecked()) {
                m_settings.WriteInteger(Keys::LastPicked, m_currentTrack);
                slot = MatchRules::NextSlot(slot);
                m_currentTrack = m_raceTrack[slot];
            }
            CurrentRaceNo = race;
            const RaceRunner::Result result = m_runner->RunRace(smallScreen);
            bonus1 += result.bonusScore1;
            bonus2 += result.bonusScore2;
        }
    } catch (...) {
        show();
        throw;
    }
    show();
    ShowMatchResult(bonus1, bonus2, laps);
}

void TFormRaceDefine::ShowMatchResult(int bonus1, int bonus2, int laps)
{
    const int score1 = m_settings.ReadInteger(Keys::Score(1), StartDefaults::Score);
    const int score2 = m_settings.ReadInteger(Keys::Score(2), StartDefaults::Score);
    ui->Labelcar1BonusScore->setText(MatchRules::BonusText(bonus1));
    ui->Labelcar2BonusScore->setText(MatchRules::BonusText(bonus2));
    QString name;
    QColor colour;
    switch (MatchRules::DecideWinner(score1, score2, RacesInMatch, laps)) {
    case MatchRules::Winner::Undecided:
        return;
    case MatchRules::Winner::Player1:
        name = ui->EditPlayer1->text();
        colour = QColor(0, 128, 0);
        break;
    case MatchRules::Winner::Player2:
        name = ui->EditPlayer2->text();
        colour = QColor(255, 0, 0);
        break;
    case MatchRules::Winner::Tied:
        name = QStringLiteral("Tied!");
        colour = QColor(0, 0, 0);
        break;
    }
    ui->LabelWinner->setText(name);
    QPalette palette = ui->LabelWinner->palette();
    palette.setColor(QPalette::WindowText, colour);
    ui->LabelWinner->setPalette(palette);
    ui->PanelWinner->show();
}

void TFormRaceDefine::BitBtn2Click()
{
    reject();
}
