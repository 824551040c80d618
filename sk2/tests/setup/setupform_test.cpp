#include "keybox.h"
#include "profile.h"
#include "setupform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

using namespace sk2;

namespace {

// Answers every message box that opens while it lives with one button (or by closing it when no
// button is given), and remembers what the boxes said.
class MessageBoxAnswerer
{
public:
    explicit MessageBoxAnswerer(std::optional<QMessageBox::StandardButton> answer)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this, answer] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<QMessageBox *>(widget);
                if (!box || !box->isVisible())
                    continue;
                texts.append(box->text());
                titles.append(box->windowTitle());
                icons.append(box->icon());
                if (answer && box->button(*answer))
                    box->button(*answer)->click();
                else
                    box->reject();
            }
        });
        m_timer.start(10);
    }
    QStringList texts;
    QStringList titles;
    QList<QMessageBox::Icon> icons;

private:
    QTimer m_timer;
};

// Key codes in box order: player 1's Left, Right, Gas, Brakes, Fire 1, Fire 2, then player 2's.
using TwelveKeys = std::array<int, KeyBoxCount>;
const TwelveKeys DefaultKeys{37, 39, 38, 40, 50, 51, 68, 70, 65, 83, 90, 88};

// The key = value lines of one section of an ini text, in file order.
std::vector<std::string> SectionLines(const QByteArray &ini, const QString &section)
{
    std::vector<std::string> lines;
    bool inside = false;
    for (const QByteArray &raw : ini.split('\n')) {
        const QString line = QString::fromLatin1(raw).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inside = line.compare(QLatin1Char('[') + section + QLatin1Char(']'), Qt::CaseInsensitive) == 0;
        else if (inside && !line.isEmpty())
            lines.push_back(line.toStdString());
    }
    return lines;
}

std::vector<std::string> SteeringLines(const TwelveKeys &keys, int player, int sensitivity, int topSpeed,
                                       int device)
{
    const char *names[] = {"KeyLeft", "KeyRight", "KeyUp", "KeyDown", "KeyFire1", "KeyFire2"};
    std::vector<std::string> lines;
    for (int i = 0; i < KeysPerPlayer; ++i)
        lines.push_back(std::string(names[i]) + '=' + std::to_string(keys[player * KeysPerPlayer + i]));
    lines.push_back("Sensitivity=" + std::to_string(sensitivity));
    lines.push_back("TopSpeed=" + std::to_string(topSpeed));
    lines.push_back("InputDevice=" + std::to_string(device));
    return lines;
}

class SetupFormTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_settingsDir.isValid() && m_workDir.isValid());
        win::SetWindowsDirectory(m_settingsDir.path());
        m_oldWorkDir = QDir::currentPath();
        QDir::setCurrent(m_workDir.path());
    }
    void TearDown() override
    {
        QDir::setCurrent(m_oldWorkDir);
        win::SetWindowsDirectory(QString());
    }

    QString IniPath() const { return m_settingsDir.filePath(QStringLiteral("Skarvel.ini")); }
    void WriteIni(const QByteArray &text)
    {
        QFile file(IniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QByteArray ReadIni() const
    {
        QFile file(IniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString KeyListPath() const { return m_workDir.filePath(QStringLiteral("keylist.txt")); }

    static KeyBox *Box(TSetupForm &form, int boxIndex)
    {
        const char *names[] = {"KeyLeft1", "KeyRight1", "KeyGas1", "KeyBrake1",  "KeyFire1_1", "KeyFire2_1",
                               "KeyLeft2", "KeyRight2", "KeyGas2", "KeyBrakes2", "KeyFire1_2", "KeyFire2_2"};
        return form.findChild<KeyBox *>(QLatin1String(names[boxIndex]));
    }
    static QRadioButton *DeviceButton(TSetupForm &form, int player, int device)
    {
        const char *names[] = {"RBDevKeyBoard%1", "RBDevMouse%1", "RBDevJoyStick1_%1", "RBDevJoyStick2_%1"};
        return form.findChild<QRadioButton *>(QString::fromLatin1(names[device]).arg(player));
    }
    static QSlider *Slider(TSetupForm &form, const char *name)
    {
        return form.findChild<QSlider *>(QLatin1String(name));
    }
    static void Click(TSetupForm &form, const char *button)
    {
        QTest::mouseClick(form.findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
    }
    static void SetKeys(TSetupForm &form, const TwelveKeys &keys)
    {
        for (int i = 0; i < KeyBoxCount; ++i)
            Box(form, i)->setCurrentIndex(keys[i]);
    }

private:
    QTemporaryDir m_settingsDir;
    QTemporaryDir m_workDir;
    QString m_oldWorkDir;
};

// The pixels of one key-box item as the box draws it, in two-colour text so that the ink has exactly
// the colour the text is drawn in.
QImage DrawnItem(KeyBox *box, int index, bool selected)
{
    QFont font = box->font();
    font.setStyleStrategy(QFont::NoAntialias);
    box->setFont(font);
    QImage image(120, box->itemHeight(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    box->DrawItem(painter, index, image.rect(), selected);
    return image;
}

bool HasColour(const QImage &image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                return true;
        }
    }
    return false;
}

// Where an item has ink, whatever its colour.
QImage InkOf(const QImage &item)
{
    const QRgb background = item.pixel(item.width() - 1, 0);
    QImage ink(item.size(), QImage::Format_Mono);
    for (int y = 0; y < item.height(); ++y) {
        for (int x = 0; x < item.width(); ++x)
            ink.setPixel(x, y, item.pixel(x, y) != background);
    }
    return ink;
}

// Lines of a file that held some of the keys before: those keep their places, the rest follow.
std::vector<std::string> Sorted(std::vector<std::string> lines)
{
    std::sort(lines.begin(), lines.end());
    return lines;
}

} // namespace

TEST_F(SetupFormTest, WithoutASettingsFileBothPlayersStartOnTheKeyboardWithTheProposedKeys)
{
    TSetupForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Steering Setup"));
    EXPECT_EQ(form.size(), QSize(601, 319));
    ASSERT_EQ(form.KeyList().size(), 256);
    for (int i = 0; i < KeyBoxCount; ++i) {
        KeyBox *box = Box(form, i);
        ASSERT_TRUE(box) << i;
        EXPECT_EQ(box->count(), 256) << i;
        EXPECT_EQ(box->itemText(255), form.KeyList()[255]) << i;
        EXPECT_EQ(box->currentIndex(), DefaultKeys[i]) << i;
        EXPECT_TRUE(box->isEnabled()) << i;
        EXPECT_EQ(box->isVisibleTo(&form), i % KeysPerPlayer < 4) << i << ": the fire boxes stay hidden";
    }
    for (int player = 1; player <= 2; ++player) {
        EXPECT_TRUE(DeviceButton(form, player, DeviceKeyboard)->isChecked());
        for (int device = DeviceKeyboard; device <= DeviceJoystick2; ++device)
            EXPECT_TRUE(DeviceButton(form, player, device)->isEnabled()) << player << ' ' << device;
    }
    for (const char *name : {"Sensitive1", "Sensitive2"}) {
        EXPECT_EQ(Slider(form, name)->value(), 25);
        EXPECT_EQ(Slider(form, name)->maximum(), 150);
        EXPECT_EQ(Slider(form, name)->tickInterval(), 5);
    }
    for (const char *name : {"TopSpeed1", "TopSpeed2"}) {
        EXPECT_EQ(Slider(form, name)->value(), 10);
        EXPECT_EQ(Slider(form, name)->maximum(), 25);
        EXPECT_EQ(Slider(form, name)->tickInterval(), 1);
    }
    EXPECT_EQ(DistinctKeyCount(form.UsedKeys()), 12);
    for (const int code : DefaultKeys)
        EXPECT_TRUE(form.UsedKeys()[code]) << code;
    EXPECT_FALSE(QFile::exists(IniPath())) << "opening writes nothing";
}

TEST_F(SetupFormTest, KeyConflictWarningDependsOnWhoUsesTheKeyboard)
{
    struct Case
    {
        const char *what;
        int device1, device2;
        TwelveKeys keys;
        bool warned;
    };
    const TwelveKeys elevenDistinct{37, 39, 38, 40, 50, 51, 37, 70, 65, 83, 90, 88};
    // Player 1's boxes, though disabled, make up the sixth distinct key in the first of these.
    const TwelveKeys sixWithOthersBoxes{1, 1, 1, 1, 1, 1, 65, 65, 66, 67, 68, 69};
    const TwelveKeys fiveDistinct{65, 65, 66, 67, 68, 69, 65, 65, 66, 67, 68, 69};
    const TwelveKeys allAlike{65, 65, 65, 65, 65, 65, 65, 65, 65, 65, 65, 65};
    const Case cases[] = {
        {"both keyboard, twelve keys", DeviceKeyboard, DeviceKeyboard, DefaultKeys, false},
        {"both keyboard, one shared", DeviceKeyboard, DeviceKeyboard, elevenDistinct, true},
        {"mouse and keyboard, six", DeviceMouse, DeviceKeyboard, sixWithOthersBoxes, false},
        {"mouse and keyboard, five", DeviceMouse, DeviceKeyboard, fiveDistinct, true},
        {"keyboard and joystick, six", DeviceKeyboard, DeviceJoystick2, sixWithOthersBoxes, false},
        {"keyboard and joystick, five", DeviceKeyboard, DeviceJoystick1, fiveDistinct, true},
        {"neither on the keyboard", DeviceJoystick1, DeviceMouse, allAlike, false},
    };
    for (const Case &c : cases) {
        QFile::remove(IniPath());
        TSetupForm form;
        form.show();
        DeviceButton(form, 1, c.device1)->click();
        DeviceButton(form, 2, c.device2)->click();
        SetKeys(form, c.keys);

        MessageBoxAnswerer answerer(QMessageBox::Ok);
        Click(form, "BitBtn1");
        if (c.warned) {
            EXPECT_EQ(answerer.texts, QStringList{QStringLiteral("keyboard assignment error or conflict")})
                << c.what;
            EXPECT_EQ(answerer.icons.value(0), QMessageBox::Warning) << c.what;
        } else {
            EXPECT_TRUE(answerer.texts.isEmpty()) << c.what;
        }
        // Answered with OK or not asked, the choices are saved as they are.
        EXPECT_EQ(form.result(), QDialog::Accepted) << c.what;
        const QByteArray ini = ReadIni();
        EXPECT_EQ(SectionLines(ini, QStringLiteral("Player1")), SteeringLines(c.keys, 0, 25, 10, c.device1))
            << c.what;
        EXPECT_EQ(SectionLines(ini, QStringLiteral("Player2")), SteeringLines(c.keys, 1, 25, 10, c.device2))
            << c.what;
    }
}

TEST_F(SetupFormTest, AWarningAnsweredWithCancelOrClosedWritesNothing)
{
    for (const std::optional<QMessageBox::StandardButton> answer :
         {std::optional(QMessageBox::Cancel), std::optional<QMessageBox::StandardButton>()}) {
        TSetupForm form;
        form.show();
        Box(form, 6)->setCurrentIndex(37); // player 2 steers left with player 1's key
        MessageBoxAnswerer answerer(answer);
        Click(form, "BitBtn1");
        EXPECT_EQ(answerer.texts.size(), 1);
        EXPECT_EQ(form.result(), QDialog::Rejected);
        EXPECT_FALSE(form.isVisible());
        EXPECT_FALSE(QFile::exists(IniPath()));
        EXPECT_FALSE(QFile::exists(KeyListPath()));
    }
}

TEST_F(SetupFormTest, AMouseOrJoystickServesOnePlayerAndOnlyKeyboardPlayersEditKeys)
{
    TSetupForm form;
    form.show();
    auto enabledOfPlayer2 = [&] {
        QList<bool> enabled;
        for (int device = DeviceKeyboard; device <= DeviceJoystick2; ++device)
            enabled.append(DeviceButton(form, 2, device)->isEnabled());
        return enabled;
    };
    // Hidden fire boxes included, all six of a player's boxes go together.
    auto keyBoxesEnabled = [&](int player) {
        QList<bool> enabled;
        for (int i = 0; i < KeysPerPlayer; ++i)
            enabled.append(Box(form, (player - 1) * KeysPerPlayer + i)->isEnabled());
        return enabled;
    };
    const QList<bool> allOn(KeysPerPlayer, true), allOff(KeysPerPlayer, false);

    QTest::mouseClick(DeviceButton(form, 1, DeviceJoystick1), Qt::LeftButton);
    EXPECT_EQ(enabledOfPlayer2(), (QList<bool>{true, true, false, true}));
    EXPECT_EQ(keyBoxesEnabled(1), allOff);
    EXPECT_EQ(keyBoxesEnabled(2), allOn);

    QTest::mouseClick(DeviceButton(form, 1, DeviceMouse), Qt::LeftButton);
    EXPECT_EQ(enabledOfPlayer2(), (QList<bool>{true, false, true, true}));

    QTest::mouseClick(DeviceButton(form, 1, DeviceKeyboard), Qt::LeftButton);
    EXPECT_EQ(enabledOfPlayer2(), (QList<bool>{true, true, true, true}));
    EXPECT_EQ(keyBoxesEnabled(1), allOn);

    // Player 2's choice limits player 1 the same way, and the keyboard stays open to both.
    QTest::mouseClick(DeviceButton(form, 2, DeviceJoystick2), Qt::LeftButton);
    EXPECT_FALSE(DeviceButton(form, 1, DeviceJoystick2)->isEnabled());
    EXPECT_TRUE(DeviceButton(form, 1, DeviceKeyboard)->isEnabled());
    EXPECT_EQ(keyBoxesEnabled(2), allOff);
}

TEST_F(SetupFormTest, StoredValuesOutsideTheirRangesAreKeptAsTheyWere)
{
    WriteIni("[Player1]\nInputDevice=2\nKeyLeft=300\nKeyFire2=-5\n"
             "[Player2]\nInputDevice=7\nKeyLeft=65\nKeyRight=65\n");
    TSetupForm form;
    form.show();

    EXPECT_TRUE(DeviceButton(form, 1, DeviceJoystick1)->isChecked());
    EXPECT_FALSE(DeviceButton(form, 2, DeviceJoystick1)->isEnabled());
    for (int device = DeviceKeyboard; device <= DeviceJoystick2; ++device)
        EXPECT_FALSE(DeviceButton(form, 2, device)->isChecked()) << device;
    for (int i = 0; i < KeyBoxCount; ++i)
        EXPECT_FALSE(Box(form, i)->isEnabled()) << i;
    EXPECT_EQ(Box(form, 0)->currentIndex(), -1);
    EXPECT_EQ(Box(form, 5)->currentIndex(), -1);
    // Codes outside the list bind no listed key: 39, 38, 40, 50 of player 1 and 65, 83, 90, 88 of
    // player 2 remain.
    EXPECT_EQ(DistinctKeyCount(form.UsedKeys()), 8);

    MessageBoxAnswerer answerer(QMessageBox::Ok);
    Click(form, "BitBtn1");
    EXPECT_TRUE(answerer.texts.isEmpty()) << "nobody is on the keyboard";
    const QByteArray ini = ReadIni();
    EXPECT_EQ(Sorted(SectionLines(ini, QStringLiteral("Player1"))),
              Sorted(SteeringLines({300, 39, 38, 40, 50, -5}, 0, 25, 10, DeviceJoystick1)));
    EXPECT_EQ(Sorted(SectionLines(ini, QStringLiteral("Player2"))),
              Sorted(SteeringLines({0, 0, 0, 0, 0, 0, 65, 65, 65, 83, 90, 88}, 1, 25, 10, 7)));
}

TEST_F(SetupFormTest, SlidersAndKeysChosenByThePlayerAreSaved)
{
    WriteIni("[Player1]\nSensitivity=400\nTopSpeed=-3\n");
    TSetupForm form;
    form.show();
    EXPECT_EQ(Slider(form, "Sensitive1")->value(), 150) << "the bar holds no more";
    EXPECT_EQ(Slider(form, "TopSpeed1")->value(), 0);
    Slider(form, "Sensitive2")->setValue(75);
    Slider(form, "TopSpeed2")->setValue(25);
    Box(form, 2)->setCurrentIndex(32);
    Box(form, 10)->setCurrentIndex(50); // player 2's fire 1 takes player 1's

    EXPECT_TRUE(form.UsedKeys()[32]);
    EXPECT_FALSE(form.UsedKeys()[38]);
    MessageBoxAnswerer answerer(QMessageBox::Ok);
    Click(form, "BitBtn1");
    EXPECT_EQ(answerer.texts.size(), 1) << "eleven distinct keys";
    const QByteArray ini = ReadIni();
    EXPECT_EQ(Sorted(SectionLines(ini, QStringLiteral("Player1"))),
              Sorted(SteeringLines({37, 39, 32, 40, 50, 51}, 0, 150, 0, DeviceKeyboard)));
    EXPECT_EQ(Sorted(SectionLines(ini, QStringLiteral("Player2"))),
              Sorted(SteeringLines({0, 0, 0, 0, 0, 0, 68, 70, 65, 83, 50, 88}, 1, 75, 25, DeviceKeyboard)));
}

TEST_F(SetupFormTest, CancelWritesTheNumberedKeyListButNotTheSettings)
{
    TSetupForm form;
    form.show();
    Box(form, 0)->setCurrentIndex(65);
    Click(form, "BitBtn2");
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_FALSE(QFile::exists(IniPath()));

    QFile file(KeyListPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), 257) << "256 lines, each ended by CR LF";
    EXPECT_EQ(lines[0], " \r");
    EXPECT_EQ(lines[38], "38Up\r");
    EXPECT_EQ(lines[256], "");
}

TEST_F(SetupFormTest, EscapeIsCancelButTheTitleBarCloseWritesNothing)
{
    {
        TSetupForm form;
        form.show();
        form.close();
        EXPECT_EQ(form.result(), QDialog::Rejected);
        EXPECT_FALSE(QFile::exists(KeyListPath()));
    }
    TSetupForm form;
    form.show();
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_TRUE(QFile::exists(KeyListPath()));
    EXPECT_FALSE(QFile::exists(IniPath()));
}

TEST_F(SetupFormTest, WriteFailuresAreShownAndTheFormStillCloses)
{
    // A folder where a file should be cannot be written over.
    ASSERT_TRUE(QDir().mkpath(IniPath()));
    ASSERT_TRUE(QDir().mkpath(KeyListPath()));
    {
        TSetupForm form;
        form.show();
        MessageBoxAnswerer answerer(QMessageBox::Ok);
        Click(form, "BitBtn1");
        EXPECT_EQ(answerer.texts, QStringList{QStringLiteral("Unable to write to Skarvel.ini.")});
        EXPECT_EQ(answerer.icons.value(0), QMessageBox::Critical);
        EXPECT_EQ(form.result(), QDialog::Accepted);
    }
    TSetupForm form;
    form.show();
    MessageBoxAnswerer answerer(QMessageBox::Ok);
    Click(form, "BitBtn2");
    ASSERT_EQ(answerer.texts.size(), 1);
    EXPECT_TRUE(answerer.texts[0].contains(QStringLiteral("keylist.txt"))) << answerer.texts[0].toStdString();
    EXPECT_EQ(form.result(), QDialog::Rejected);
}

TEST_F(SetupFormTest, BoundKeysAreDrawnGreenInItalicsWhereverTheyAreBound)
{
    TSetupForm form;
    KeyBox *box = Box(form, 0);
    const QRgb green = qRgb(0, 128, 0), white = qRgb(255, 255, 255);
    // Player 2's fire key Z (90) is bound though its box is hidden.
    for (const int code : {37, 90, 51}) {
        EXPECT_TRUE(HasColour(DrawnItem(box, code, false), green)) << code;
        EXPECT_TRUE(HasColour(DrawnItem(box, code, true), white)) << code;
    }
    const QImage unbound = DrawnItem(box, 66, false);
    EXPECT_FALSE(HasColour(unbound, green));
    EXPECT_TRUE(HasColour(unbound, qRgb(0, 0, 0)));
    EXPECT_FALSE(HasColour(unbound, Qt::magenta)) << "the whole item is filled";

    const int nameless = static_cast<int>(form.KeyList().indexOf(QStringLiteral("*n/a*")));
    ASSERT_GT(nameless, 0);
    EXPECT_TRUE(HasColour(DrawnItem(box, nameless, false), qRgb(255, 255, 0)));

    // Rebinding player 2's fire key frees Z, which turns upright and black.
    const QImage boundZ = DrawnItem(box, 90, false);
    Box(form, 10)->setCurrentIndex(66);
    const QImage freeZ = DrawnItem(box, 90, false);
    EXPECT_FALSE(HasColour(freeZ, green));
    EXPECT_TRUE(HasColour(DrawnItem(box, 66, false), green));
    EXPECT_NE(InkOf(boundZ), InkOf(freeZ)) << "italic letters have another shape";
}
