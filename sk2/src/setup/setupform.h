#pragma once

#include "steeringsettings.h"
#include "usedkeys.h"

#include <QDialog>
#include <QStringList>

#include <array>
#include <memory>

namespace Ui {
class TSetupForm;
}
class KeyBox;
class QRadioButton;

// The steering setup: each player picks a device (keyboard, mouse or one of two joysticks), the keys
// to steer, speed up and brake, a sensitivity and a top speed. OK writes both players' choices to the
// settings file, after a warning when the keyboard players' keys are not all different; Cancel writes
// the list of key names to "keylist.txt" in the current folder and leaves the settings as they were.
class TSetupForm : public QDialog
{
    Q_OBJECT

public:
    explicit TSetupForm(QWidget *parent = nullptr);
    ~TSetupForm() override;

    // The key names offered by every key box, index = virtual-key code.
    const QStringList &KeyList() const { return m_keyList; }
    // The codes selected in at least one of the twelve key boxes.
    const sk2::UsedKeyFlags &UsedKeys() const { return m_usedKeys; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void RBDevKeyBoard1Click();
    void RBDevMouse1Click();
    void RBDevJoyStick1_1Click();
    void RBDevJoyStick2_1Click();
    void RBDevKeyBoard2Click();
    void RBDevMouse2Click();
    void RBDevJoyStick1_2Click();
    void RBDevJoyStick2_2Click();
    void KeyComboChange();
    void ComboDrawItem(KeyBox *box, QPainter *painter, int index, const QRect &rect, bool selected);
    void BitBtn1Click();
    void BitBtn2Click();

private:
    // Players are counted from 0 here: 0 is player 1, 1 is player 2.
    void FormCreate();
    void LoadPlayer(int player);
    void CheckStoredDevices();
    void DeviceChosen(int player, int device);
    void SetKeyBoxesEnabled(int player, bool enabled);
    void UpdateUsedKeys();
    void SaveSettings();
    void ConnectDeviceButton(QRadioButton *button, void (TSetupForm::*handler)());

    // Left, Right, Gas, Brakes, Fire 1, Fire 2.
    std::array<KeyBox *, sk2::KeysPerPlayer> KeyBoxes(int player) const;
    // In device-code order: Keyboard, Mouse, Joystick 1, Joystick 2.
    std::array<QRadioButton *, 4> DeviceButtons(int player) const;
    // The code of the checked device button, or -1 when none is checked.
    int CheckedDevice(int player) const;
    // The box's selected code, or for a box without a selection the code read at open.
    int KeyCodeOf(int player, int box) const;
    sk2::PlayerSteering SteeringOf(int player) const;

    std::unique_ptr<Ui::TSetupForm> ui;
    sk2::SteeringSettings m_iniFile;
    QStringList m_keyList;
    sk2::UsedKeyFlags m_usedKeys{};
    std::array<sk2::PlayerSteering, 2> m_stored{};
};
