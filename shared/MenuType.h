// The in-memory menu: one TAQMenu with its objects (TAQButton), holding
// everything a menu file carries. Both programs use these records; each keeps
// its own controls (the editor's WinBtn/ImgBtn, the player's WinBtn/ImgBtn/
// KeyBtn, the menu's labels and boxes) beside the record, indexed by object
// number, so the records stay free of any window code.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "forms/portable/Bitmap.h"
#include "forms/portable/PngImage.h"

// What an object is. Kinds 0..2 are buttons (command, launch flags, shortcut,
// accessory content); 3..5 are decorations. A record keeps the value it was
// given as a plain integer, so a file with an unknown kind still loads.
enum ObjectKind : int32_t {
    GraphicalButton = 0,
    WindowsButton = 1,
    TextButton = 2,
    PlcImage = 3,
    PlcText = 4,
    PlcShape = 5,
};

// First index of TAQButton::Pics.
enum PicState : int {
    Up = 0,         // normal
    Active = 1,     // selected by pointer or keyboard
    Down = 2,       // pressed
    Accessory = 3,  // shown in the menu's accessory image while selected
};

// How the player cycles the frames of the shown state.
enum AnimMode : int32_t {
    AnimNone = 0,
    AnimRandom = 1,
    AnimScrollOnce = 2,
    AnimScrollLoop = 3,
    AnimCycleOnce = 4,
    AnimCycleLoop = 5,
};
constexpr int kAnimModeCount = 6;
// The items of the editor's animation list, in AnimMode order.
extern const char* const AnimModeText[kAnimModeCount];

// Capacities.
constexpr int kPicStates = 4;
constexpr int kFrameSlots = 102;  // frames 0..100 are used; slot 101 is spare
constexpr int kMaxFrame = 100;
constexpr int kButtonSlots = 202;  // slot 0 background, 1..200 objects, 201 scratch
constexpr int kMaxObjects = 200;
constexpr int kScratchSlot = 201;

// Bits of TAQButton::FontStyle.
constexpr uint8_t kFontBold = 1;
constexpr uint8_t kFontItalic = 2;
constexpr uint8_t kFontUnderline = 4;

// Text alignment values (TAQButton::TextAlign, TAQMenu::PlainAccAlign).
constexpr int kAlignLeft = 0;
constexpr int kAlignRight = 1;
constexpr int kAlignCenter = 2;

// The settings from which a placed shape is drawn. The channel fields are
// filled by the shape renderer from the three colour values; FillAlpha and
// LineAlpha are 1.0 in every shape.
struct TShapeRec {
    int32_t ShapeKind = 0;
    int32_t LineThickness = 0;
    int32_t LineColor = 0;
    int32_t LineR = 0, LineG = 0, LineB = 0;
    int32_t FillType = 0;
    int32_t FillColor = 0;
    int32_t FillR = 0, FillG = 0, FillB = 0;
    int32_t GradientColor = 0;
    int32_t GradR = 0, GradG = 0, GradB = 0;
    int32_t CornerRounding = 0;
    float FillAlpha = 1.0f;
    float LineAlpha = 1.0f;
    int32_t ShapeWidth = 0;
    int32_t ShapeHeight = 0;
};

using PicRef = std::shared_ptr<forms::Bitmap>;

// The frames of an object's four states, read and written as
// Pics[state][frame]. A state's row of kFrameSlots slots is made when it is
// first indexed through a non-const table; a const table reads a missing row
// as empty slots. Most of a menu's 202 records never hold a picture, so they
// cost four pointers here rather than 408 slots of fresh memory.
// A copy shares the pictures of the original, as copies of the slots would.
class PicTable {
public:
    using Row = PicRef[kFrameSlots];

    PicTable() = default;
    PicTable(const PicTable& other) { *this = other; }
    PicTable& operator=(const PicTable& other);
    PicTable(PicTable&&) noexcept = default;
    PicTable& operator=(PicTable&&) noexcept = default;

    Row& operator[](int state);
    const Row& operator[](int state) const;
    // Lets go of every picture of every state.
    void Clear();

private:
    struct RowBox {
        Row slots;
    };
    std::unique_ptr<RowBox> rows_[kPicStates];
};

// One object of a menu (slot 0 of a menu holds the background picture in
// Pics[Up][0]). Flags are integers: -1 set, 0 clear, except NeedsViewer and
// VersionOrAbove (1 set, 0 clear). Colour values hold red in the low byte.
//
// A plain copy of the record shares its pictures with the original; use
// CopyButton for a copy with pictures of its own.
struct TAQButton {
    // Frames of each state, stored from frame 0 on; the first missing or
    // empty frame ends a state's sequence. A placed image keeps its full-size
    // picture in Up frame 0 and the picture at its displayed size in frame 1.
    PicTable Pics;

    int32_t AnimMode = AnimNone;
    std::string Caption;  // WindowsButton: caption; TextButton: its RTF
    std::string ButtonArgs;
    std::string ButtonCommand;
    int32_t ObjHeight = 0;
    int32_t ObjWidth = 0;
    int32_t Left = 0;  // position of the object's controls on the menu
    int32_t Top = 0;
    std::string ShortcutKey;  // "none" or one character 0..9, A..Z
    int32_t MinimizeOnClick = 0;
    int32_t RestoreOnClose = 0;
    std::string AccRTF;  // accessory text (a PlcText's content)
    int32_t ObjectKind = GraphicalButton;
    int32_t MaximizeLaunched = 0;
    int32_t ExitOnClick = 0;
    // Caption font of old menu files (read from version 7 files; a version 6
    // file gets Arial 12, black, left).
    std::string FontName;
    int32_t FontSize = 0;
    uint8_t FontStyle = 0;  // kFontBold | kFontItalic | kFontUnderline
    int32_t FontColor = 0;
    uint8_t TextAlign = kAlignLeft;
    int32_t NeedsViewer = 0;
    std::string ViewerName;
    std::string ViewerVersion;
    int32_t VersionOrAbove = 0;

    // Plain accessory text of a version 6 or 7 file, kept until the editor
    // turns it into AccRTF; empty after reading a newer file.
    std::string PlainAccText;

    uint8_t AccDirty = 0;   // accessory text must be rendered again
    uint8_t LookDirty = 0;  // rendered look must be rendered again
    TShapeRec ShapeRec;
    float LastScale = 0.0f;  // last display scale of a placed image
    // Rendered look (TextButton, PlcText, PlcShape) and rendered accessory
    // text (buttons). A new record holds blank 15 x 15 pictures.
    forms::PngImage LookPNG = forms::PngImage::CreateBlank(15, 15);
    forms::PngImage AccPNG = forms::PngImage::CreateBlank(15, 15);
};

// Font of the time and date labels and of an old file's accessory text.
struct TTextFont {
    std::string Name;
    int32_t Size = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
};

// One menu: the settings the menu file carries and its objects.
struct TAQMenu {
    TAQMenu();

    std::string MenuTitle;
    int32_t ScreenPos = 0;  // window placement code 0..10
    // The accessory text box.
    int32_t AccTextLeft = 40;
    int32_t AccTextTop = 40;
    int32_t AccTextWidth = 200;
    int32_t AccTextHeight = 100;
    std::string AccRTF;  // the menu's own accessory text
    forms::PngImage AccPNG = forms::PngImage::CreateBlank(15, 15);
    uint8_t SoundsOn = 1;
    // The live clock and date; LabelColor is shared by both labels.
    bool TimeVisible = false;
    bool DateVisible = false;
    int32_t LabelColor = 0;
    int32_t TimeLeft = 20;
    int32_t TimeTop = 200;
    int32_t DateLeft = 95;
    int32_t DateTop = 200;
    TTextFont TimeFont;
    TTextFont DateFont;
    int32_t DefaultBtn = 0;
    int32_t TransColor = -1;  // QBColor index 1..15 as stored; below 1 none
    // The accessory image box.
    int32_t AccImageLeft = 0;
    int32_t AccImageTop = 0;
    int32_t AnimInterval = 100;  // milliseconds
    uint8_t ScrollTitle = 0;
    // Window shape as read from a file ("NULL": rectangular). A writer makes
    // it afresh from the background picture.
    std::string WinRgnString;
    int32_t ShadowDepth = 0;
    int32_t ShadowColor = 0;

    // Accessory text of a version 6 or 7 file with its formatting, kept until
    // the editor turns it into AccRTF; the box itself goes to AccText*.
    std::string PlainAccText;
    TTextFont PlainAccFont;
    int32_t PlainAccColor = 0;
    int32_t PlainAccAlign = kAlignLeft;

    int32_t BtnCount = 0;  // objects 1..BtnCount
    std::vector<TAQButton> Buttons;  // kButtonSlots records
};

// Deep copy of one object: the destination's frames become copies of the
// source's sequence (and nothing after it), its pictures and PNGs its own.
// Copies the command, caption, size, launch, font and viewer fields, the
// shape settings except the derived channels and the preset size, and
// LastScale; marks the accessory text for rendering (AccDirty = 1).
// The position (Left, Top) stays the destination's: it belongs with the
// destination's controls, which are not part of the record either; a caller
// that wants the source's controls or place takes them itself.
// PlainAccText only lives between reading an old file and its conversion and
// is not copied. Safe when source is dest.
void CopyButton(const TAQButton& source, TAQButton& dest);

// True when the picture exists and has pixels.
inline bool HasPic(const PicRef& pic) { return pic && !pic->Empty(); }
