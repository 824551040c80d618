#include "setupform.h"

#include "carpicture.h"
#include "errorbox.h"
#include "keybox.h"
#include "keyitemlook.h"
#include "keylist.h"
#include "ui_setupform.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>

using namespace sk2;

namespace {

const QString KeyListFileName = QStringLiteral("keylist.txt");

} // namespace

TSetupForm::TSetupForm(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TSetupForm>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(601, 319);
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    ui->Image1->setPixmap(DrawCarPicture(QColor(0, 170, 0), 25));
    ui->Image2->setPixmap(DrawCarPicture(QColor(210, 0, 0), 26));
    ui->BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ui->BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));

    // Device buttons are connected first, so that checking the stored devices runs their actions.
    ConnectDeviceButton(ui->RBDevKeyBoard1, &TSetupForm::RBDevKeyBoard1Click);
    ConnectDeviceButton(ui->RBDevMouse1, &TSetupForm::RBDevMouse1Click);
    ConnectDeviceButton(ui->RBDevJoyStick1_1, &TSetupForm::RBDevJoyStick1_1Click);
    ConnectDeviceButton(ui->RBDevJoyStick2_1, &TSetupForm::RBDevJoyStick2_1Click);
    ConnectDeviceButton(ui->RBDevKeyBoard2, &TSetupForm::RBDevKeyBoard2Click);
    ConnectDeviceButton(ui->RBDevMouse2, &TSetupForm::RBDevMouse2Click);
    ConnectDeviceButton(ui->RBDevJoyStick1_2, &TSetupForm::RBDevJoyStick1_2Click);
    ConnectDeviceButton(ui->RBDevJoyStick2_2, &TSetupForm::RBDevJoyStick2_2Click);
    FormCreate();
    for (int player = 0; player < 2; ++player) {
        for (KeyBox *box : KeyBoxes(player)) {
            connect(box, &QComboBox::currentIndexChanged, this, &TSetupForm::KeyComboChange);
            connect(box, &KeyBox::drawItem, this, &TSetupForm::ComboDrawItem);
        }
    }
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TSetupForm::BitBtn1Click);
    connect(ui->BitBtn2, &QPushButton::clicked, this, &TSetupForm::BitBtn2Click);
}

TSetupForm::~TSetupForm() = default;

void TSetupForm::ConnectDeviceButton(QRadioButton *button, void (TSetupForm::*handler)())
{
    connect(button, &QRadioButton::toggled, this, [this, handler](bool checked) {
        if (checked)
            (this->*handler)();
    });
}

void TSetupForm::FormCreate()
{
    m_keyList = BuildKeyList(UsKeyboardNames());
    for (int player = 0; player < 2; ++player) {
        for (KeyBox *box : KeyBoxes(player))
            box->addItems(m_keyList);
    }
    for (int player = 0; player < 2; ++player)
        LoadPlayer(player);
    CheckStoredDevices();
}

void TSetupForm::LoadPlayer(int player)
{
    m_stored[player] = m_iniFile.Read(player + 1);
    const PlayerSteering &steering = m_stored[player];
    const auto boxes = KeyBoxes(player);
    for (int i = 0; i < KeysPerPlayer; ++i) {
        const int code = steering.keys[i];
        boxes[i]->setCurrentIndex(code >= 0 && code < KeyCodeCount ? code : -1);
    }
    (player == 0 ? ui->Sensitive1 : ui->Sensitive2)->setValue(steering.sensitivity);
    (player == 0 ? ui->TopSpeed1 : ui->TopSpeed2)->setValue(steering.topSpeed);
}

void TSetupForm::CheckStoredDevices()
{
    for (int player = 0; player < 2; ++player) {
        const int device = m_stored[player].inputDevice;
        if (device >= DeviceKeyboard && device <= DeviceJoystick2)
            DeviceButtons(player)[device]->setChecked(true);
    }
    for (int player = 0; player < 2; ++player)
        SetKeyBoxesEnabled(player, m_stored[player].inputDevice == DeviceKeyboard);
    UpdateUsedKeys();
}

void TSetupForm::RBDevKeyBoard1Click()
{
    DeviceChosen(0, DeviceKeyboard);
}
void TSetupForm::RBDevMouse1Click()
{
    DeviceChosen(0, DeviceMouse);
}
void TSetupForm::RBDevJoyStick1_1Click()
{
    DeviceChosen(0, DeviceJoystick1);
}
void TSetupForm::RBDevJoyStick2_1Click()
{
    DeviceChosen(0, DeviceJoystick2);
}
void TSetupForm::RBDevKeyBoard2Click()
{
    DeviceChosen(1, DeviceKeyboard);
}
void TSetupForm::RBDevMouse2Click()
{
    DeviceChosen(1, DeviceMouse);
}
void TSetupForm::RBDevJoyStick1_2Click()
{
    DeviceChosen(1, DeviceJoystick1);
}
void TSetupForm::RBDevJoyStick2_2Click()
{
    DeviceChosen(1, DeviceJoystick2);
}

void TSetupForm::DeviceChosen(int player, int device)
{
    // A mouse or joystick serves one player only; the keyboard may serve both.
    const auto otherButtons = DeviceButtons(1 - player);
    for (int shared = DeviceMouse; shared <= DeviceJoystick2; ++shared)
        otherButtons[shared]->setEnabled(device != shared);
    SetKeyBoxesEnabled(player, device == DeviceKeyboard);
}

void TSetupForm::SetKeyBoxesEnabled(int player, bool enabled)
{
    for (KeyBox *box : KeyBoxes(player))
        box->setEnabled(enabled);
}

void TSetupForm::KeyComboChange()
{
    UpdateUsedKeys();
}

void TSetupForm::UpdateUsedKeys()
{
    std::array<int, KeyBoxCount> codes{};
    for (int player = 0; player < 2; ++player) {
        for (int box = 0; box < KeysPerPlayer; ++box)
            codes[player * KeysPerPlayer + box] = KeyCodeOf(player, box);
    }
    m_usedKeys = UsedKeysOf(codes);
    for (int player = 0; player < 2; ++player) {
        for (KeyBox *box : KeyBoxes(player))
            box->RedrawItems();
    }
}

void TSetupForm::ComboDrawItem(KeyBox *box, QPainter *painter, int index, const QRect &rect, bool selected)
{
    painter->fillRect(rect, painter->brush());
    const QString text = box->itemText(index);
    const bool used = index >= 0 && index < KeyCodeCount && m_usedKeys[index];
    const KeyItemLook look = LookOfKeyItem(used, selected, text);
    QFont font = painter->font();
    font.setItalic(look.italic);
    painter->setFont(font);
    painter->setPen(QColor(look.colour));
    painter->drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

void TSetupForm::BitBtn1Click()
{
    for (int player = 0; player < 2; ++player) {
        const int device = CheckedDevice(player);
        if (device >= 0)
            m_stored[player].inputDevice = device;
    }
    const int distinctKeys = DistinctKeyCount(m_usedKeys);
    if (IsKeyboardConflict(m_stored[0].inputDevice, m_stored[1].inputDevice, distinctKeys)) {
        const auto answer =
            QMessageBox::warning(this, tr("Warning"), tr("keyboard assignment error or conflict"),
                                 QMessageBox::Ok | QMessageBox::Cancel);
        if (answer != QMessageBox::Ok) {
            reject();
            return;
        }
    }
    SaveSettings();
    accept();
}

void TSetupForm::SaveSettings()
{
    try {
        for (int player = 0; player < 2; ++player)
            m_iniFile.Write(player + 1, SteeringOf(player));
    } catch (const std::exception &error) {
        ShowErrorBox(this, error);
    }
}

void TSetupForm::BitBtn2Click()
{
    try {
        SaveKeyListFile(NumberedKeyList(m_keyList), KeyListFileName);
    } catch (const std::exception &error) {
        ShowErrorBox(this, error);
    }
    reject();
}

void TSetupForm::keyPressEvent(QKeyEvent *event)
{
    // Escape presses Cancel, with all that Cancel does; closing by the title bar does not.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        ui->BitBtn2->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

std::array<KeyBox *, KeysPerPlayer> TSetupForm::KeyBoxes(int player) const
{
    if (player == 0)
        return {ui->KeyLeft1, ui->KeyRight1, ui->KeyGas1, ui->KeyBrake1, ui->KeyFire1_1, ui->KeyFire2_1};
    return {ui->KeyLeft2, ui->KeyRight2, ui->KeyGas2, ui->KeyBrakes2, ui->KeyFire1_2, ui->KeyFire2_2};
}

std::array<QRadioButton *, 4> TSetupForm::DeviceButtons(int player) const
{
    if (player == 0)
        return {ui->RBDevKeyBoard1, ui->RBDevMouse1, ui->RBDevJoyStick1_1, ui->RBDevJoyStick2_1};
    return {ui->RBDevKeyBoard2, ui->RBDevMouse2, ui->RBDevJoyStick1_2, ui->RBDevJoyStick2_2};
}

int TSetupForm::CheckedDevice(int player) const
{
    const auto buttons = DeviceButtons(player);
    for (int device = 0; device < static_cast<int>(buttons.size()); ++device) {
        if (buttons[device]->isChecked())
            return device;
    }
    return -1;
}

int TSetupForm::KeyCodeOf(int player, int box) const
{
    const int index = KeyBoxes(player)[box]->currentIndex();
    return index >= 0 ? index : m_stored[player].keys[box];
}

PlayerSteering TSetupForm::SteeringOf(int player) const
{
    PlayerSteering steering = m_stored[player];
    for (int box = 0; box < KeysPerPlayer; ++box)
        steering.keys[box] = KeyCodeOf(player, box);
    steering.sensitivity = (player == 0 ? ui->Sensitive1 : ui->Sensitive2)->value();
    steering.topSpeed = (player == 0 ? ui->TopSpeed1 : ui->TopSpeed2)->value();
    return steering;
}
