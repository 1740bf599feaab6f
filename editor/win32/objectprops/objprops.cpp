// Set-up, the size edits, OK and Cancel, and the picture panel of the
// placed-object properties dialog.
#include "editor/win32/common/DialogControls.h"
#include "editor/win32/objectprops/objprops.h"

#include <windows.h>

#include "editor/logic/CoreGraphics.h"
#include "editor/logic/ObjPropsRules.h"
#include "editor/logic/PNGDraw.h"
#include "editor/logic/ShapePresets.h"
#include "editor/logic/StoredPicture.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/common/RichTextPicture.h"
#include "editor/win32/objectprops/frmedgeround.h"
#include "forms/portable/FileSystem.h"
#include "forms/portable/PictureFile.h"
#include "forms/win32/Application.h"
#include "forms/win32/Button.h"
#include "forms/win32/CheckBox.h"
#include "forms/win32/ComboBox.h"
#include "forms/win32/Edit.h"
#include "forms/win32/FileDialogs.h"
#include "forms/win32/Image.h"
#include "forms/win32/ImageList.h"
#include "forms/win32/Label.h"
#include "forms/win32/Panel.h"
#include "forms/win32/RichEdit.h"
#include "forms/win32/Screen.h"
#include "forms/win32/ScrollBar.h"
#include "forms/win32/ScrollBox.h"
#include "forms/win32/Timer.h"

uint8_t LockAspect = 1;
uint8_t HQScaling = 1;
int32_t PresetRange = 1;

std::function<int(TForm2& dialog)> RunObjPropsDialog = [](TForm2& dialog) { return dialog.ShowModal(); };

std::function<bool(std::string& path)> AskObjImagePath = [](std::string& path) {
    forms::OpenDialog dialog(nullptr);
    dialog.SetFilter(PictureOpenFilter("All Images"));
    dialog.SetOptions(forms::ofPathMustExist | forms::ofFileMustExist);
    dialog.SetTitle("Open Image...");
    if (!dialog.Execute()) return false;
    path = dialog.FileName();
    return true;
};

namespace {

constexpr const char* kNotSetText = "(Click Browse to set)";

const char* CaptionOfKind(int kind) {
    switch (kind) {
        case PlcImage: return "Image Properties...";
        case PlcText: return "Text Properties...";
        case PlcShape: return "Shape Properties...";
        default: return "Object Properties...";
    }
}

}  // namespace

TForm2::TForm2(TAQButton& object, const forms::Bitmap* background, std::string presetsFolder)
    : Object_(object), Background_(background), PresetsFolder_(std::move(presetsFolder)) {
    SetName("Form2");
    SetCaption(CaptionOfKind(object.ObjectKind));
    SetClientSize(624, 444);
    SetMinSize(640, 480);
    SetBorderIcons(forms::biSystemMenu);
    CenterOnScreen();
    ObjPropsCancelled = 1;
    PresetLists[1] = editor::BuiltInPresetRows(1);
    PresetLists[2] = editor::BuiltInPresetRows(2);

    ImageList1 = new forms::ImageList(this);
    ImageList1->SetName("ImageList1");
    LoadObjPropsGlyphs(*ImageList1);

    CreateBottomStrip();
    CreatePicturePanel();
    CreateTextPanel();
    CreateShapePanel();

    Timer1 = new forms::Timer(this);
    Timer1->SetName("Timer1");
    Timer1->OnTimer = [this](forms::Component&) { Timer1Timer(); };
    Timer2 = new forms::Timer(this);
    Timer2->SetName("Timer2");
    Timer2->OnTimer = [this](forms::Component&) { Timer2Timer(); };
    Timer2->SetInterval(10);
}

TForm2::~TForm2() {
    // The pop-up still open goes with the dialog, its owner.
    if (EdgeRound) EdgeRound->OnDestroy = nullptr;
}

forms::Panel* TForm2::NewPanel(const char* name) {
    auto* panel = new forms::Panel(this, this);
    panel->SetName(name);
    panel->SetBevelOuter(forms::PanelBevel::None);
    panel->SetBounds(0, 0, 624, 396);
    panel->SetVisible(false);
    return panel;
}

void TForm2::AddSizeBars(forms::Panel* panel, int widthBar, int heightBar) {
    auto* across = new forms::ScrollBar(this, panel, forms::ScrollBarKind::Horizontal);
    across->SetName("ScrollBar" + std::to_string(widthBar));
    across->SetBounds(4, 376, 596, 17);
    across->SetRange(editor::kSizeBarMin, editor::kSizeBarMax);
    across->OnChange = [this, across](forms::Component&) { ScrollBar2Change(*across); };
    auto* down = new forms::ScrollBar(this, panel, forms::ScrollBarKind::Vertical);
    down->SetName("ScrollBar" + std::to_string(heightBar));
    down->SetBounds(604, 40, 17, 334);
    down->SetRange(editor::kSizeBarMin, editor::kSizeBarMax);
    down->OnChange = [this, down](forms::Component&) { ScrollBar1Change(*down); };
    ScrollBars[static_cast<size_t>(widthBar)] = across;
    ScrollBars[static_cast<size_t>(heightBar)] = down;
}

void TForm2::CreateBottomStrip() {
    Panel7 = new forms::Panel(this, this);
    Panel7->SetName("Panel7");
    Panel7->SetBounds(0, 396, 624, 48);
    const char* captions[] = {"Left:", "Top:", "Width:", "Height:"};
    std::array<forms::Edit*, 4> edits{};
    for (int i = 0; i < 4; ++i) {
        NewLabel(this, Panel7, captions[i], 8 + i * 100, 4, 60);
        auto* edit = new forms::Edit(this, Panel7);
        edit->SetName("Edit" + std::to_string(i + 1));
        edit->SetBounds(8 + i * 100, 20, 60, 21);
        edit->SetText("10");
        edit->SetTabStop(true);
        edits[static_cast<size_t>(i)] = edit;
    }
    Edit1 = edits[0];
    Edit2 = edits[1];
    // Left and Top show where the object is; it is moved on the menu itself.
    Edit1->SetReadOnly(true);
    Edit2->SetReadOnly(true);
    Edit3 = edits[2];
    Edit4 = edits[3];
    Edit3->OnChange = [this](forms::Component&) { Edit3Change(3); };
    Edit4->OnChange = [this](forms::Component&) { Edit3Change(4); };
    Command1000 = NewButton(this, Panel7, "Command1000", "&OK", 408, 14, 100);
    Command1000->SetBounds(408, 14, 100, 25);
    Command1000->SetDefault(true);
    Command1000->SetModalResult(forms::mrOk);
    Command1000->OnClick = [this](forms::Component&) { Command1000Click(); };
    Command1001 = NewButton(this, Panel7, "Command1001", "&Cancel", 516, 14, 100);
    Command1001->SetCancel(true);
    Command1001->SetModalResult(forms::mrCancel);
    Command1001->OnClick = [this](forms::Component&) { Command1001Click(); };
}

void TForm2::CreatePicturePanel() {
    pnlProp00 = NewPanel("pnlProp00");
    ScrollBox3 = new forms::ScrollBox(this, pnlProp00);
    ScrollBox3->SetName("ScrollBox3");
    ScrollBox3->SetBounds(4, 40, 596, 334);
    Image1 = new forms::Image(this, ScrollBox3);
    Image1->SetName("Image1");
    Image1->SetStretch(true);
    lblNotSet = new forms::Label(this, ScrollBox3);
    lblNotSet->SetName("lblNotSet");
    lblNotSet->SetCaption(kNotSetText);
    Button1 = NewButton(this, pnlProp00, "Button1", "&Browse", 4, 8, 100);
    Button1->OnClick = [this](forms::Component&) { GetPlcImage(); };
    Button2 = NewButton(this, pnlProp00, "Button2", "&Original Size", 112, 8, 100);
    Button2->OnClick = [this](forms::Component&) { Button2Click(); };
    Button3 = NewButton(this, pnlProp00, "Button3", "&Preview", 220, 8, 100);
    Button3->OnClick = [this](forms::Component&) { Button3Click(); };
    CheckBox1 = new forms::CheckBox(this, pnlProp00);
    CheckBox1->SetName("CheckBox1");
    CheckBox1->SetCaption("&Lock Aspect Ratio");
    CheckBox1->SetBounds(332, 4, 260, 17);
    CheckBox1->SetChecked(LockAspect == 1);
    CheckBox1->OnClick = [this](forms::Component&) { CheckBox1Click(); };
    CheckBox2 = new forms::CheckBox(this, pnlProp00);
    CheckBox2->SetName("CheckBox2");
    CheckBox2->SetCaption("&High Quality Scaling (Render on OK)");
    CheckBox2->SetBounds(332, 21, 260, 17);
    CheckBox2->SetChecked(HQScaling == 1);
    CheckBox2->OnClick = [this](forms::Component&) { HQScaling = CheckBox2->Checked() ? 1 : 0; };
    AddSizeBars(pnlProp00, 2, 1);
}

void TForm2::Timer2Timer() {
    Timer2->SetInterval(0);
    CreatePresetImages();
    WorkObj = TAQButton();
    WorkObj.Pics[Up][0] = std::make_shared<forms::Bitmap>();
    PreviewObj.LookPNG = forms::PngImage::CreateBlank(15, 15);
    CopyButton(Object_, WorkObj);
    ShowPic();
    Edit1->SetText(std::to_string(Object_.Left));
    Edit2->SetText(std::to_string(Object_.Top));
    Edit3->SetText(std::to_string(WorkObj.ObjWidth));
    Edit4->SetText(std::to_string(WorkObj.ObjHeight));
    ScrollBars[2]->SetPosition(WorkObj.ObjWidth);
    ScrollBars[1]->SetPosition(WorkObj.ObjHeight);
    if (cmbTB000->ItemCount() > 0) cmbTB000->SetItemIndex(0);
    cmbTB001->SetText("10");
    switch (WorkObj.ObjectKind) {
        case PlcImage:
            if (HasPic(WorkObj.Pics[Up][0])) Image1->SetPicture(*WorkObj.Pics[Up][0]);
            pnlProp00->SetVisible(true);
            break;
        case PlcText: {
            pnlProp01->SetVisible(true);
            RichEdit1->SetRTF(WorkObj.AccRTF.empty() ? kTypeHereRTF : WorkObj.AccRTF);
            if (Background_)
                RichEdit1->SetBackgroundColor(static_cast<forms::Color>(editor::GetAverageColor(
                    *Background_, Object_.Left, Object_.Top, WorkObj.ObjWidth, WorkObj.ObjHeight)));
            break;
        }
        case PlcShape:
            pnlProp02->SetVisible(true);
            ShowShapeSettings();
            DlgReady = 1;
            DoPNGShape();
            Timer1->SetInterval(10);
            break;
        default: break;
    }
    DlgReady = 1;
    Edit3Change(3);
    ComboBox3->SetItemIndex(PresetRange - 1);
    ComboBox3Change();
}

void TForm2::Edit3Change(int which) {
    if (DlgReady == 0) return;
    DlgReady = 0;
    int32_t width = WorkObj.ObjWidth;
    int32_t height = WorkObj.ObjHeight;
    if (!ReadNumeric(Edit3->Text(), width)) {
        forms::Beep();
        width = WorkObj.ObjWidth;
        Edit3->SetText(std::to_string(width));
    }
    if (!ReadNumeric(Edit4->Text(), height)) {
        forms::Beep();
        height = WorkObj.ObjHeight;
        Edit4->SetText(std::to_string(height));
    }
    WorkObj.ObjWidth = width;
    WorkObj.ObjHeight = height;
    if (LockAspect == 1 && HasPic(WorkObj.Pics[Up][0])) {
        if (Previewing) {
            Image1->SetPicture(*WorkObj.Pics[Up][0]);
            Previewing = 0;
        }
        const forms::Bitmap& picture = *WorkObj.Pics[Up][0];
        if (which == 3) {
            WorkObj.ObjHeight = editor::AspectSide(picture.Width(), picture.Height(), width);
            Edit4->SetText(std::to_string(WorkObj.ObjHeight));
        } else {
            WorkObj.ObjWidth = editor::AspectSide(picture.Height(), picture.Width(), height);
            Edit3->SetText(std::to_string(WorkObj.ObjWidth));
        }
    }
    for (int k : {2, 4, 5}) ScrollBars[static_cast<size_t>(k)]->SetPosition(WorkObj.ObjWidth);
    for (int k : {1, 3, 6}) ScrollBars[static_cast<size_t>(k)]->SetPosition(WorkObj.ObjHeight);
    switch (WorkObj.ObjectKind) {
        case PlcImage: Image1->SetBounds(4, 4, WorkObj.ObjWidth, WorkObj.ObjHeight); break;
        case PlcText: RichEdit1->SetBounds(0, 0, WorkObj.ObjWidth, WorkObj.ObjHeight); break;
        case PlcShape: ShapeDelayTicks = 20; break;
        default: break;
    }
    DlgReady = 1;
}

void TForm2::ScrollBar2Change(forms::ScrollBar& bar) {
    if (DlgReady == 1) Edit3->SetText(std::to_string(bar.Position()));
}

void TForm2::ScrollBar1Change(forms::ScrollBar& bar) {
    if (DlgReady == 1) Edit4->SetText(std::to_string(bar.Position()));
}

void TForm2::CheckBox1Click() {
    LockAspect = CheckBox1->Checked() ? 1 : 0;
    if (LockAspect == 1) Edit3Change(3);
}

bool ScalePlacedPicture(const forms::Bitmap& source, forms::Bitmap& dest, int width, int height) {
    editor::ScaleCache cache;
    return HQScaling == 1 ? editor::ScaleBitmapHQ(source, dest, width, height, true, cache)
                          : editor::ScaleBitmap(source, dest, width, height, cache);
}

void TForm2::ResizePicture(TAQButton& obj) {
    if (!HasPic(obj.Pics[Up][0])) return;
    forms::Bitmap scaled;
    if (ScalePlacedPicture(*obj.Pics[Up][0], scaled, obj.ObjWidth, obj.ObjHeight))
        obj.Pics[Up][1] = std::make_shared<forms::Bitmap>(std::move(scaled));
}

void TForm2::Command1000Click() {
    int32_t width = 0;
    int32_t height = 0;
    if (!ReadNumeric(Edit3->Text(), width) || !ReadNumeric(Edit4->Text(), height) ||
        !editor::ObjectSizeValid(width, height)) {
        // The dialog stays open; nothing is stored.
        SetModalResult(forms::mrNone);
        EditorMsg(editor::kBadObjectSizeText, TMsgDlgType::mtWarning, TMsgDlgButtons::mbOK);
        return;
    }
    ObjPropsCancelled = 0;
    if (WorkObj.ObjectKind == PlcText) {
        WorkObj.AccRTF = RichEdit1->RTF();
        WorkObj.LookPNG = editor::RenderRTFToPNG(*RichEdit2, *RichEdit1, 200, 150, 3, 0);
    }
    WorkObj.ObjWidth = width;
    WorkObj.ObjHeight = height;
    if (WorkObj.ObjectKind == PlcImage) ResizePicture(WorkObj);
    if (WorkObj.ObjectKind == PlcShape) (void)editor::DrawShape(WorkObj);
    CopyButton(WorkObj, Object_);
    SetModalResult(forms::mrOk);
}

void TForm2::Command1001Click() {
    ObjPropsCancelled = 1;
    SetModalResult(forms::mrCancel);
}

void TForm2::ShowPic() {
    if (HasPic(WorkObj.Pics[Up][0])) {
        Image1->SetBounds(2, 2, WorkObj.ObjWidth, WorkObj.ObjHeight);
        Image1->SetVisible(true);
        lblNotSet->SetVisible(false);
    } else {
        Image1->SetVisible(false);
        lblNotSet->SetAutoSize(true);
        lblNotSet->SetLeft((ScrollBox3->Width() - 4 - lblNotSet->Width()) / 2);
        lblNotSet->SetTop((ScrollBox3->Height() - 4 - lblNotSet->Height()) / 2);
        lblNotSet->SetVisible(true);
    }
}

void TForm2::GetPlcImage() {
    std::string path;
    if (!AskObjImagePath(path)) return;
    forms::Bitmap loaded;
    if (path.empty() || !forms::FileExists(path) || !forms::LoadPictureFile(path, loaded) || loaded.Empty()) {
        const std::string name = path.substr(path.find_last_of('\\') + 1);
        EditorMsg("The image \"" + name + "\" could no be found.", TMsgDlgType::mtInformation,
                  TMsgDlgButtons::mbOK);
        return;
    }
    editor::UseStoredPixelLayout(loaded);
    DlgReady = 0;
    Previewing = 0;
    const editor::PictureSize kept = editor::LoadedPictureSize(loaded.Width(), loaded.Height());
    if (kept.Width != loaded.Width() || kept.Height != loaded.Height()) {
        lblNotSet->SetCaption("Resizing Large Image...");
        lblNotSet->SetVisible(true);
        forms::Application().ProcessMessages();
        forms::Bitmap scaled;
        editor::ScaleCache cache;
        if (editor::ScaleBitmapHQ(loaded, scaled, kept.Width, kept.Height, true, cache)) loaded = std::move(scaled);
        lblNotSet->SetCaption(kNotSetText);
    }
    WorkObj.Pics[Up][0] = std::make_shared<forms::Bitmap>(loaded);
    WorkObj.Pics[Up][1] = std::make_shared<forms::Bitmap>(loaded);
    Image1->SetPicture(loaded);
    Edit3->SetText(std::to_string(loaded.Width()));
    Edit4->SetText(std::to_string(loaded.Height()));
    DlgReady = 1;
    Edit3Change(3);
    ShowPic();
}

void TForm2::Button2Click() {
    if (!HasPic(WorkObj.Pics[Up][0])) {
        forms::Beep();
        return;
    }
    if (DlgReady != 1) return;
    DlgReady = 0;
    Edit3->SetText(std::to_string(WorkObj.Pics[Up][0]->Width()));
    Edit4->SetText(std::to_string(WorkObj.Pics[Up][0]->Height()));
    DlgReady = 1;
    Edit3Change(3);
}

void TForm2::Button3Click() {
    if (!HasPic(WorkObj.Pics[Up][0]) || !editor::ObjectSizeValid(WorkObj.ObjWidth, WorkObj.ObjHeight)) return;
    ResizePicture(WorkObj);
    if (HasPic(WorkObj.Pics[Up][1])) Image1->SetPicture(*WorkObj.Pics[Up][1]);
    Previewing = 1;
}
