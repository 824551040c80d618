#pragma once

// The multimedia joystick services, standing in for joyGetPosEx and joyGetDevCapsA, with their records
// laid out as the system lays them out. Axes report raw positions from 0 to 65535 (0 is left or up);
// a joystick that is not there fails the position call, and the caller treats that as "no joystick".

#include <QString>

#include <cstdint>

namespace sk2::win {

using DWORD = std::uint32_t;
using UINT = std::uint32_t;
using WORD = std::uint16_t;
using MMRESULT = std::uint32_t;

inline constexpr MMRESULT JOYERR_NOERROR = 0;
inline constexpr MMRESULT MMSYSERR_NODRIVER = 6;
inline constexpr MMRESULT MMSYSERR_INVALPARAM = 11;
inline constexpr MMRESULT JOYERR_PARMS = 165;
inline constexpr MMRESULT JOYERR_UNPLUGGED = 167;

inline constexpr UINT JOYSTICKID1 = 0;
inline constexpr UINT JOYSTICKID2 = 1;
// Identifiers the services accept, as on the original system.
inline constexpr UINT JoystickIdCount = 16;

// What joyGetPosEx fills, by dwFlags.
inline constexpr DWORD JOY_RETURNX = 0x01;
inline constexpr DWORD JOY_RETURNY = 0x02;
inline constexpr DWORD JOY_RETURNZ = 0x04;
inline constexpr DWORD JOY_RETURNR = 0x08;
inline constexpr DWORD JOY_RETURNU = 0x10;
inline constexpr DWORD JOY_RETURNV = 0x20;
inline constexpr DWORD JOY_RETURNPOV = 0x40;
inline constexpr DWORD JOY_RETURNBUTTONS = 0x80;
inline constexpr DWORD JOY_RETURNALL = 0xFF;

inline constexpr DWORD JOY_POVCENTERED = 0xFFFF;
inline constexpr DWORD JOY_POVFORWARD = 0;
inline constexpr DWORD JOY_POVRIGHT = 9000;
inline constexpr DWORD JOY_POVBACKWARD = 18000;
inline constexpr DWORD JOY_POVLEFT = 27000;

inline constexpr UINT JOYCAPS_HASZ = 0x01;
inline constexpr UINT JOYCAPS_HASR = 0x02;
inline constexpr UINT JOYCAPS_HASU = 0x04;
inline constexpr UINT JOYCAPS_HASV = 0x08;
inline constexpr UINT JOYCAPS_HASPOV = 0x10;
inline constexpr UINT JOYCAPS_POVCTS = 0x40;

struct JOYINFOEX
{
    DWORD dwSize;
    DWORD dwFlags;
    DWORD dwXpos;
    DWORD dwYpos;
    DWORD dwZpos;
    DWORD dwRpos;
    DWORD dwUpos;
    DWORD dwVpos;
    DWORD dwButtons;      // bit n set while button n + 1 is down
    DWORD dwButtonNumber; // how many buttons are down
    DWORD dwPOV;          // hundredths of a degree clockwise from forward, or JOY_POVCENTERED
    DWORD dwReserved1;
    DWORD dwReserved2;
};
static_assert(sizeof(JOYINFOEX) == 52);

inline constexpr int MAXPNAMELEN = 32;
inline constexpr int MAX_JOYSTICKOEMVXDNAME = 260;

struct JOYCAPSA
{
    WORD wMid;
    WORD wPid;
    char szPname[MAXPNAMELEN];
    UINT wXmin;
    UINT wXmax;
    UINT wYmin;
    UINT wYmax;
    UINT wZmin;
    UINT wZmax;
    UINT wNumButtons;
    UINT wPeriodMin;
    UINT wPeriodMax;
    UINT wRmin;
    UINT wRmax;
    UINT wUmin;
    UINT wUmax;
    UINT wVmin;
    UINT wVmax;
    UINT wCaps;
    UINT wMaxAxes;
    UINT wNumAxes;
    UINT wMaxButtons;
    char szRegKey[MAXPNAMELEN];
    char szOEMVxD[MAX_JOYSTICKOEMVXDNAME];
};
static_assert(sizeof(JOYCAPSA) == 404);

inline constexpr DWORD JoyAxisMax = 65535;
inline constexpr int JoyAxisCount = 6; // X, Y, Z, R, U, V
inline constexpr int JoyButtonCount = 32;

// One moment of a joystick, before it is put into the record the caller asked for.
struct JoystickReading
{
    DWORD axes[JoyAxisCount] = {JoyAxisMax / 2, JoyAxisMax / 2, JoyAxisMax / 2,
                                JoyAxisMax / 2, JoyAxisMax / 2, JoyAxisMax / 2};
    DWORD buttons = 0; // bit n set while button n + 1 is down
    DWORD pov = JOY_POVCENTERED;
};

// What a joystick is, before it is put into the capabilities record.
struct JoystickDescription
{
    QString name;
    WORD vendor = 0;
    WORD product = 0;
    int axisCount = 2;
    int buttonCount = 2;
    bool hasPov = false;
};

class JoystickService
{
public:
    virtual ~JoystickService() = default;
    // Fills the fields of info that info->dwFlags asks for. info->dwSize must be sizeof(JOYINFOEX).
    // JOYERR_NOERROR, JOYERR_UNPLUGGED when no joystick answers to id, JOYERR_PARMS for an id out
    // of range, MMSYSERR_INVALPARAM for a bad record, MMSYSERR_NODRIVER without joystick support.
    virtual MMRESULT joyGetPosEx(UINT id, JOYINFOEX *info) = 0;
    // Fills caps, whose size must be sizeof(JOYCAPSA); every axis ranges over 0..65535.
    virtual MMRESULT joyGetDevCapsA(UINT id, JOYCAPSA *caps, UINT size) = 0;
};

// The parts that every joystick service shares.
// Whether info is a record joyGetPosEx can fill.
bool IsJoyInfoRecord(const JOYINFOEX *info);
// Puts reading into the fields of info that info->dwFlags asks for; the others stay as they are.
void FillJoyInfo(const JoystickReading &reading, JOYINFOEX &info);
// The capabilities record of a joystick.
void FillJoyCaps(const JoystickDescription &description, JOYCAPSA &caps);

} // namespace sk2::win
