// The shape panel of the placed-object properties dialog: the shape toolbar,
// the preview, the colour requests and the edge-rounding pop-up; and the
// dialog's toolbars and glyphs.
#include <windows.h>

#include <algorithm>

#include "EditorResources.h"
#include "editor/logic/PNGDraw.h"
#include "editor/logic/ShapePresets.h"
#include "editor/logic/TextFormatRules.h"
#include "editor/win32/common/EditorHelp.h"
#include "editor/win32/smallwindows/ResourcePicture.h"
#include "editor/win32/objectprops/frmedgeround.h"
#include "editor/win32/objectprops/objprops.h"
#include "forms/win32/ComboBox.h"
#include "forms/win32/Image.h"
#include "forms/win32/ImageList.h"
#include "forms/win32/Panel.h"
#include "forms/win32/ScrollBar.h"
#include "forms/win32/ScrollBox.h"
#include "forms/win32/Shape.h"
#include "forms/win32/Timer.h"
#include "forms/win32/ToolBar.h"
#include "forms/win32/ToolButton.h"

namespace glyph = editor_resources::ObjPropsGlyph;

void LoadObjPropsGlyphs(forms::ImageList& list) {
    const forms::Picture strip = LoadResourcePicture(editor_resources::kObjPropsGlyphResource);
    if (!strip.Empty()) list.AddMasked(strip.Pixels(), editor_resources::kGlyphMaskColor);
}

forms::ToolBar* TForm2::NewToolBar(forms::Panel* panel, const char* name) {
    auto* bar = new forms::ToolBar(this, panel);
    bar->SetName(name);
    bar->SetHeight(26);
    bar->SetImages(ImageList1);
    return bar;
}

forms::ToolButton* TForm2::NewToolButton(forms::ToolBar* bar, const char* name, int glyphIndex, const char* hint,
                                         std::function<void()> onClick) {
    auto* button = new forms::ToolButton(this, bar);
    if (*name) button->SetName(name);
    if (glyphIndex < 0) {
        button->SetStyle(forms::ToolButtonStyle::Separator);
        return button;
    }
    button->SetImageIndex(glyphIndex);
    button->SetHint(hint);
    if (onClick) button->OnClick = [onClick](forms::Component&) { onClick(); };
    return button;
}

void TForm2::NewToolControl(forms::ToolBar* bar, forms::WinControl* control, int width) {
    control->SetWidth(width);
    auto* holder = new forms::ToolButton(this, bar);
    holder->SetControl(control);
}

POINT TForm2::UnderButton(forms::ToolBar& bar, int index) const {
    const RECT r = bar.Buttons(index)->BoundsRect();
    POINT p{r.left + 1, r.top + (r.bottom - r.top) + 1};
    ::ClientToScreen(bar.Handle(), &p);
    return p;
}

void TForm2::CreateShapePanel() {
    pnlProp02 = NewPanel("pnlProp02");
    ToolBar1 = NewToolBar(pnlProp02, "ToolBar1");
    ComboBox1 = new forms::ComboBox(this, ToolBar1, forms::ComboStyle::DropDownList);
    ComboBox1->SetName("ComboBox1");
    ComboBox1->SetHint("Shape");
    ComboBox1->SetItems({"Horizonal Line", "Vertical Line", "Rounded Rectangle", "Square Rectangle", "Circle", "Oval"});
    ComboBox1->OnChange = [this](forms::Component&) { ComboBox1Change(); };
    NewToolControl(ToolBar1, ComboBox1, 120);                                         // 0
    ComboBox2 = new forms::ComboBox(this, ToolBar1, forms::ComboStyle::DropDownList);
    ComboBox2->SetName("ComboBox2");
    ComboBox2->SetHint("Line Thickness");
    for (int t = 0; t <= 12; ++t) ComboBox2->AddItem(std::to_string(t));
    ComboBox2->OnChange = [this](forms::Component&) { ComboBox2Change(); };
    NewToolControl(ToolBar1, ComboBox2, 44);                                          // 1
    ToolButton2 = NewToolButton(ToolBar1, "ToolButton2", glyph::LineColor, "Line Color", [this] {  // 2
        const POINT at = UnderButton(*ToolBar1, 2);
        RequestColor(ClrTargetShapeLine, WorkObj.ShapeRec.LineColor, *this, at.x, at.y);
    });
    NewToolButton(ToolBar1, "", -1, "", nullptr);                                     // 3
    const char* fillNames[3] = {"ToolButton8", "ToolButton9", "ToolButton10"};
    const char* fillHints[3] = {"Unfilled Box", "Solid Filled Box", "Gradient Fill"};
    const int fillGlyphs[3] = {glyph::UnfilledBox, glyph::SolidFilledBox, glyph::GradientFill};
    for (int i = 0; i < 3; ++i) {                                                      // 4..6
        FillButtons[static_cast<size_t>(i)] =
            NewToolButton(ToolBar1, fillNames[i], fillGlyphs[i], fillHints[i], [this, i] { FillButtonClick(i); });
        FillButtons[static_cast<size_t>(i)]->SetStyle(forms::ToolButtonStyle::CheckGroup);
    }
    NewToolButton(ToolBar1, "", -1, "", nullptr);                                     // 7
    ToolButton4 = NewToolButton(ToolBar1, "ToolButton4", glyph::FillColor, "Fill Color", [this] {  // 8
        const POINT at = UnderButton(*ToolBar1, 8);
        RequestColor(ClrTargetShapeFill, WorkObj.ShapeRec.FillColor, *this, at.x, at.y);
    });
    ToolButton6 = NewToolButton(ToolBar1, "ToolButton6", glyph::GradientColor, "Gradient Color", [this] {  // 9
        const POINT at = UnderButton(*ToolBar1, 9);
        RequestColor(ClrTargetShapeGradient, WorkObj.ShapeRec.GradientColor, *this, at.x, at.y);
    });
    ToolButton7 = NewToolButton(ToolBar1, "ToolButton7", glyph::CornerRounding, "Corner Rounding",  // 10
                                [this] { ToolButton7Click(); });
    // The colour and rounding buttons carry drop-down arrows that do what
    // the buttons do.
    for (forms::ToolButton* button : {ToolButton2, ToolButton4, ToolButton6, ToolButton7})
        button->SetStyle(forms::ToolButtonStyle::DropDown);
    NewToolButton(ToolBar1, "", -1, "", nullptr);                                     // 11
    ToolButton13 = NewToolButton(ToolBar1, "ToolButton13", glyph::AddPreset, "Add to Presets",  // 12
                                 [this] { AddPreset(); });
    ComboBox3 = new forms::ComboBox(this, ToolBar1, forms::ComboStyle::DropDownList);
    ComboBox3->SetName("ComboBox3");
    ComboBox3->SetHint("Shape");
    ComboBox3->SetItems(editor::PresetRangeNames());
    ComboBox3->OnChange = [this](forms::Component&) { ComboBox3Change(); };
    NewToolControl(ToolBar1, ComboBox3, 100);                                         // 13
    ToolButton14 = NewToolButton(ToolBar1, "ToolButton14", glyph::DeletePreset, "Delete Preset",  // 14
                                 [this] { ToolButton14Click(); });
    NewToolButton(ToolBar1, "ToolButton15", glyph::Help, "", [] { ShowHelpPage("shapesetc"); });  // 15

    ScrollBox1 = new forms::ScrollBox(this, pnlProp02);
    ScrollBox1->SetName("ScrollBox1");
    ScrollBox1->SetBounds(4, 30, 596, 54);
    ScrollBox1->SetVisible(false);
    ScrollBox1->OnResize = [this](forms::Component&) { ScrollBox1Resize(); };
    Shape1 = new forms::Shape(this, ScrollBox1);
    Shape1->SetName("Shape1");
    Shape1->SetBrushColor(static_cast<forms::Color>(GetSysColor(COLOR_MENUHILIGHT)));
    Shape1->SetPenColor(static_cast<forms::Color>(GetSysColor(COLOR_HOTLIGHT)));
    Shape1->SetVisible(false);

    ScrollBox4 = new forms::ScrollBox(this, pnlProp02);
    ScrollBox4->SetName("ScrollBox4");
    ScrollBox4->SetBounds(4, 90, 596, 284);
    Image2 = new forms::Image(this, ScrollBox4);
    Image2->SetName("Image2");
    Image2->SetAutoSize(true);
    AddSizeBars(pnlProp02, 5, 6);
}

void TForm2::ShowShapeSettings() {
    const TShapeRec& shape = WorkObj.ShapeRec;
    ComboBox1->SetItemIndex(shape.ShapeKind - 1);
    ComboBox2->SetItemIndex(shape.LineThickness);
    SetBoxColor(shape.LineColor, 2);
    SetBoxColor(shape.FillColor, 3);
    SetBoxColor(shape.GradientColor, 4);
    if (shape.FillType >= 0 && shape.FillType <= 2) FillButtons[static_cast<size_t>(shape.FillType)]->SetDown(true);
    EnableToolbar();
}

void TForm2::ComboBox1Change() {
    WorkObj.ShapeRec.ShapeKind = ComboBox1->ItemIndex() + 1;
    EnableToolbar();
    DoPNGShape();
}

void TForm2::ComboBox2Change() {
    WorkObj.ShapeRec.LineThickness = ComboBox2->ItemIndex();
    DoPNGShape();
}

void TForm2::FillButtonClick(int fillType) {
    WorkObj.ShapeRec.FillType = fillType;
    FillButtons[static_cast<size_t>(fillType)]->SetDown(true);
    EnableToolbar();
    DoPNGShape();
}

void TForm2::EnableToolbar() {
    const int index = ComboBox1->ItemIndex();
    ToolButton7->SetEnabled(index == 2);
    const bool filled = index > 1;
    ToolButton4->SetEnabled(filled);
    for (forms::ToolButton* button : FillButtons) button->SetEnabled(filled);
    ToolButton6->SetEnabled(filled && WorkObj.ShapeRec.FillType == 2);
}

void TForm2::DoPNGShape() {
    if (DlgReady != 1) return;
    if (editor::DrawShape(WorkObj)) Image2->SetPicture(WorkObj.LookPNG);
}

void TForm2::Timer1Timer() {
    if (ShapeDelayTicks == 0) DoPNGShape();
    if (ShapeDelayTicks >= 0) --ShapeDelayTicks;
}

void TForm2::UpdateShapeColor() {
    switch (ClrTarget) {
        case ClrTargetShapeGradient:
            WorkObj.ShapeRec.GradientColor = CurClr;
            SetBoxColor(CurClr, 4);
            break;
        case ClrTargetShapeFill:
            WorkObj.ShapeRec.FillColor = CurClr;
            SetBoxColor(CurClr, 3);
            break;
        case ClrTargetShapeLine:
            WorkObj.ShapeRec.LineColor = CurClr;
            SetBoxColor(CurClr, 2);
            break;
        default: break;
    }
    DoPNGShape();
}

void TForm2::ColorDelivered(int32_t target) {
    switch (target) {
        case ClrTargetObjText: UpdateColor(); break;
        case ClrTargetObjBack: UpdateColorBack(); break;
        case ClrTargetShapeLine:
        case ClrTargetShapeFill:
        case ClrTargetShapeGradient: UpdateShapeColor(); break;
        default: break;
    }
}

void TForm2::SetBoxColor(forms::Color colour, int bar) {
    static const int kGlyphOf[5] = {-1, glyph::TextColor, glyph::LineColor, glyph::FillColor, glyph::GradientColor};
    if (bar < 1 || bar > 4) return;
    const int index = kGlyphOf[bar];
    const auto mask = static_cast<forms::Color>(editor::ColorBarMask(colour & 0xFFFFFF));
    forms::Bitmap cell = ImageList1->GetBitmap(index, mask);
    if (cell.Width() < 16 || cell.Height() < 16) return;
    const uint32_t pixel = 0xFF000000u | ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
    for (int y = 12; y < 16; ++y) std::fill_n(cell.ScanLine(y), 16, pixel);
    ImageList1->ReplaceMasked(index, cell, mask);
}

void TForm2::ToolButton7Click() {
    if (EdgeRound) return;
    BeginColorRequest(ClrTargetEdgeRound, this);
    RoundSaved = WorkObj.ShapeRec.CornerRounding;
    EdgeRound = new TForm5(*this);
    EdgeRound->OnDestroy = [this](forms::Component&) { EdgeRound = nullptr; };
    EdgeRound->DoCreate();
    const POINT at = UnderButton(*ToolBar1, 10);
    EdgeRound->SetLeft(at.x);
    EdgeRound->SetTop(at.y);
    EdgeRound->SetVisible(true);
}
