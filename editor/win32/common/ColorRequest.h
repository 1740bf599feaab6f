// The editor's one way of asking the user for a colour.
//
// A window that wants a colour (the requester) calls RequestColor with a
// target code, the colour to start from, itself as the receiver and the
// screen point where the colour chooser opens. The chooser is modeless and
// closes itself when it loses activation; when the user accepts a colour it
// writes it into CurClr and calls DispatchColor, which hands it to the
// receiver while ClrTarget still holds the code, then clears ClrTarget.
//
// A receiver withdraws its open request when it is destroyed, so a colour is
// never delivered to a window that has closed in the meantime. The target
// codes are the editor's fixed vocabulary; the main window serves the codes
// 0 and above, the dialogs the negative ones.
#pragma once
#include <cstdint>
#include <functional>

#include "forms/win32/Types.h"

namespace forms {
class Form;
}

// Target codes of colour requests.
constexpr int32_t ClrTargetNone = -1;
constexpr int32_t ClrTargetShadow = 4;            // main window: shadow colour of all texts
constexpr int32_t ClrTargetText = 18;             // main window: colour of the in-place text selection
constexpr int32_t ClrTargetTimeDate = 28;         // main window: time and date label colour
constexpr int32_t ClrTargetTransparent = 31;      // main window: the menu's transparent colour
constexpr int32_t ClrTargetWizPanel = -100;       // Background Wizard colour panel k: -100 - k (k = 0..7)
constexpr int32_t ClrTargetBtnText = -200;        // Button Properties: text colour
constexpr int32_t ClrTargetBtnBack = -201;        // Button Properties: sample background
constexpr int32_t ClrTargetObjText = -202;        // Object Properties: text colour
constexpr int32_t ClrTargetObjBack = -203;        // Object Properties: text background
constexpr int32_t ClrTargetAccBack = -204;        // Button Properties: accessory text background
constexpr int32_t ClrTargetMenuText = -205;       // Menu Properties: default text colour
constexpr int32_t ClrTargetShapeLine = -301;      // Object Properties: shape line colour
constexpr int32_t ClrTargetShapeFill = -302;      // Object Properties: shape fill colour
constexpr int32_t ClrTargetShapeGradient = -303;  // Object Properties: shape gradient colour
constexpr int32_t ClrTargetEdgeRound = -309;      // Object Properties: corner rounding pop-up

// The open request's code (ClrTargetNone when there is none) and colour: the
// chooser starts with CurClr and leaves the accepted colour in it.
extern int32_t ClrTarget;
extern forms::Color CurClr;
// Transparency pop-up: the chosen transparent colour number (-1 none, 9..14)
// and who opened it (1 the main window, 2 Menu Properties).
extern int32_t TransIndex;
extern int32_t TransRequester;

// A window that receives the colours it asked for. ColorDelivered runs while
// ClrTarget still holds the request's code and CurClr the colour.
class ColorReceiver {
public:
    virtual void ColorDelivered(int32_t target) = 0;

protected:
    ColorReceiver() = default;
    ColorReceiver(const ColorReceiver&) = delete;
    ColorReceiver& operator=(const ColorReceiver&) = delete;
    // Withdraws this receiver's open request, if any.
    ~ColorReceiver();
};

// Opens a request: ClrTarget := target, CurClr := start (a system colour is
// turned into its real colour first), receiver noted, and the colour chooser
// opened with its top-left corner at the screen point (x, y).
void RequestColor(int32_t target, forms::Color start, ColorReceiver& receiver, int x, int y);
// Notes a request served by a pop-up other than the chooser (the transparency
// pop-up, the edge-rounding pop-up): ClrTarget := target, receiver noted.
void BeginColorRequest(int32_t target, ColorReceiver* receiver);
// Hands CurClr to the open request's receiver when there is one and it still
// exists, then clears ClrTarget. With no open request it does nothing.
void DispatchColor();
// True while receiver has the open request.
bool HasColorRequest(const ColorReceiver& receiver);
// The form that made the open request (receivers are forms), or nullptr: the
// pop-up that serves the request belongs to it.
forms::Form* ColorRequestForm();

// Opens the colour chooser at a screen point. The main window sets it at
// start-up; tests replace it to answer requests without the chooser.
extern std::function<void(int x, int y)> OpenColorChooser;
