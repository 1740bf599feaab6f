// Basic value types and event signatures shared by every class of the forms
// layer: colours, shift states, mouse buttons, cursor shapes, modal results and
// the handler types that controls expose as std::function members.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace forms {

class Component;
class Control;

// A colour value: red in the low byte, then green, then blue (the layout of a
// COLORREF). Values with the top bit set name a system colour by its
// GetSysColor index; clNone means "no colour".
using Color = uint32_t;

constexpr Color SystemColor(int index) { return 0x80000000u | static_cast<uint32_t>(index); }

constexpr Color clBlack = 0x000000;
constexpr Color clWhite = 0xFFFFFF;
constexpr Color clRed = 0x0000FF;
constexpr Color clGreen = 0x008000;
constexpr Color clBlue = 0xFF0000;
constexpr Color clGray = 0x808080;
constexpr Color clLime = 0x00FF00;
constexpr Color clAqua = 0xFFFF00;
constexpr Color clFuchsia = 0xFF00FF;
constexpr Color clYellow = 0x00FFFF;
constexpr Color clNone = 0x1FFFFFFF;
constexpr Color clActiveCaption = SystemColor(2);  // COLOR_ACTIVECAPTION
constexpr Color clAppWorkSpace = SystemColor(12);  // COLOR_APPWORKSPACE
constexpr Color clHighlightText = SystemColor(14);  // COLOR_HIGHLIGHTTEXT
constexpr Color cl3DLight = SystemColor(22);       // COLOR_3DLIGHT
constexpr Color clWindow = SystemColor(5);       // COLOR_WINDOW
constexpr Color clWindowText = SystemColor(8);   // COLOR_WINDOWTEXT
constexpr Color clBtnFace = SystemColor(15);     // COLOR_BTNFACE
constexpr Color clBtnShadow = SystemColor(16);   // COLOR_BTNSHADOW
constexpr Color clBtnHighlight = SystemColor(20);  // COLOR_BTNHIGHLIGHT
constexpr Color clGrayText = SystemColor(17);    // COLOR_GRAYTEXT
constexpr Color clBtnText = SystemColor(18);     // COLOR_BTNTEXT
constexpr Color clInfoText = SystemColor(23);    // COLOR_INFOTEXT
constexpr Color clInfoBk = SystemColor(24);      // COLOR_INFOBK

// Resolves a system colour to its current value; other colours pass through
// (clNone gives black).
uint32_t ColorToRGB(Color color);

// Keyboard and mouse-button state at the time of an event (bit set).
using ShiftState = unsigned;
constexpr ShiftState ssShift = 1;
constexpr ShiftState ssAlt = 2;
constexpr ShiftState ssCtrl = 4;
constexpr ShiftState ssLeft = 8;
constexpr ShiftState ssRight = 16;
constexpr ShiftState ssMiddle = 32;

enum class MouseButton { Left, Right, Middle };

// Mouse pointer shapes; Default lets the parent (or the window class) decide.
enum class Cursor {
    Default, Arrow, IBeam, Wait, Cross, UpArrow, SizeNWSE, SizeNESW, SizeWE, SizeNS,
    SizeAll, No, Hand, AppStarting
};

enum class Alignment { Left, Right, Center };

// Where a container puts a child (WinControl::Realign): along one edge
// (taking the whole width or height there), over all that is left (Client),
// or where the child's own bounds say (None).
enum class Align { None, Top, Bottom, Left, Right, Client };

// Results of modal forms and buttons that close them.
constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;
constexpr int mrAbort = 3;
constexpr int mrRetry = 4;
constexpr int mrIgnore = 5;
constexpr int mrYes = 6;
constexpr int mrNo = 7;

// Handler signatures. The sender is the component whose event fired, so one
// handler can serve a whole family of controls (look at sender.Name()).
using NotifyEvent = std::function<void(Component& sender)>;
// x, y are in the sender's own coordinates.
using MouseEvent = std::function<void(Control& sender, MouseButton button, ShiftState shift, int x, int y)>;
using MouseMoveEvent = std::function<void(Control& sender, ShiftState shift, int x, int y)>;
// key is a virtual-key code; setting it to 0 marks the key as handled.
using KeyEvent = std::function<void(Control& sender, uint16_t& key, ShiftState shift)>;
// key is the typed character; setting it to 0 marks it as handled.
using KeyPressEvent = std::function<void(Control& sender, char& key)>;
// x, y are in the sender's client coordinates; set handled to stop further
// processing of the wheel message.
using MouseWheelUpDownEvent = std::function<void(Control& sender, ShiftState shift, int x, int y, bool& handled)>;

}  // namespace forms
