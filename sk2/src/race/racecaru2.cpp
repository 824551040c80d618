#include "racecaru2.h"

#include "ui_skrace2game.h"

#include "dgcerror.h"
#include "drivecones.h"
#include "screenview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QThread>
#include <QTimer>

std::int32_t RacesInMatch = 0;
std::int32_t CurrentRaceNo = 0;

namespace sk2::race {

namespace {
// The pictures the form carries in its design: the sprites and the 800 x 600 track tiles.
const char *const SpriteLibrary = ":/sk2/race/sprites.iml";
const char *const TrackLibrary = ":/sk2/race/track45.iml";
constexpr char Escape = 27;

RaceRandom &RandomOf(const RacePlatform &platform)
{
    return platform.random ? *platform.random : ProgramRandom();
}

// While the race waits for a sound, the application handles its messages (Escape among them).
void ProcessMessagesWhileWaiting()
{
    QCoreApplication::processEvents();
    QThread::msleep(2);
}
} // namespace

Tskrace2game::Tskrace2game(QWidget *parent)
    : Tskrace2game(RacePlatform{}, parent)
{}

Tskrace2game::Tskrace2game(RacePlatform platform, QWidget *parent)
    : QDialog(parent)
    , DGCAudio1(std::make_unique<dgc::TDGCAudio>(std::move(platform.audio)))
    , ui(std::make_unique<Ui::skrace2game>())
    , m_platform(std::move(platform))
    , m_scene{DGCScreen1,
              DGCSpriteMgr1,
              DGCSpriteMgr2,
              *DGCAudio1,
              *this,
              RandomOf(m_platform),
              ProcessMessagesWhileWaiting}
{
    ui->setupUi(this);
    if (!m_platform.input)
        m_systemInput = std::make_unique<win::SystemInput>(this);
    if (!m_platform.display)
        dgc::DGCScreenView::PrepareForm(this);
    LoadDesign();
}

Tskrace2game::~Tskrace2game()
{
    FormDestroy();
}

void Tskrace2game::LoadDesign()
{
    DGCScreen1.SetDisplayMode(dgc::dm800x600x8);
    DGCScreen1.SetFlippingEnabled(true);
    DGCScreen1.BackBuffers = 2;
    DGCScreen1.Debug = true;
    DGCScreen1.BeepOnException = true;
    DGCScreen1.PaletteCycle = false;
    DGCScreen1.SkipTile0 = false;
    DGCScreen1.SetImageLibrary(&DGCImageLibSprits);
    DGCScreen1.SetTileLibrary(&DGCImageLibTrack);
    DGCScreen1.SetMapLibrary(&DGCMapLib1);
    DGCScreen1.SetDisplay(m_platform.display ? m_platform.display : ui->DGCScreen1View);
    DGCScreen1.SetClock(m_platform.clock);
    DGCScreen1.OnInitialize = [this] { DGCScreen1Initialize(); };
    DGCScreen1.OnFlip = [this] { DGCScreen1Flip(); };

    DGCImageLibSprits.LoadFromFile(QString::fromLatin1(SpriteLibrary));
    DGCImageLibTrack.LoadFromFile(QString::fromLatin1(TrackLibrary));
    DGCMapLib1.AddMap(TrackColumns, TrackRows);

    DGCSpriteMgr1.OnAnimationEnd = [this](dgc::TDGCSprite *sprite) { DGCSpriteMgr1AnimationEnd(sprite); };
    DGCSpriteMgr2.OnAnimationEnd = [this](dgc::TDGCSprite *sprite) { DGCSpriteMgr2AnimationEnd(sprite); };
    DGCAudio1->SetSoundLibrary(&DGCSoundLib1);
}

void Tskrace2game::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The screen opens once the window is up, as the display is taken when the form shows.
    if (!m_screenOpened)
        QTimer::singleShot(0, this, [this] {
            if (isVisible())
                OpenScreen();
        });
}

void Tskrace2game::OpenScreen()
{
    if (m_screenOpened)
        return;
    m_screenOpened = true;
    DGCAudio1->Open();
    DGCScreen1.Open();
}

void Tskrace2game::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        FormKeyPress(Escape);
    else if (!event->text().isEmpty())
        FormKeyPress(event->text().front().toLatin1());
    else
        QDialog::keyPressEvent(event);
}

void Tskrace2game::FormKeyPress(char key)
{
    if (key == Escape)
        close();
}

void Tskrace2game::done(int result)
{
    // Closing gives the display and the sound back at once; the form itself is freed by its owner.
    DGCScreen1.Close();
    DGCAudio1->Close();
    QDialog::done(result);
}

void Tskrace2game::FormDestroy()
{
    Input1.reset();
    Input2.reset();
    DGCScreen1.Close();
    DGCAudio1->Close();
}

void Tskrace2game::DGCSpriteMgr1AnimationEnd(dgc::TDGCSprite *sprite)
{
    // A cone whose spin has ended is parked; the finish line also ends its animation every frame.
    ParkSpunCone(m_scene, *sprite);
}

void Tskrace2game::DGCSpriteMgr2AnimationEnd(dgc::TDGCSprite *)
{
    Car2->Stopped = true;
    Car2->SetAnimation(0);
    Car2->Stopped = false;
}

void Tskrace2game::ShowError(const QString &message)
{
    if (m_platform.showError) {
        m_platform.showError(message);
        return;
    }
    QMessageBox::critical(this, QApplication::applicationName(), message);
}

} // namespace sk2::race
