#include "editor/win32/smallwindows/frmstart.h"

#include "EditorResources.h"
#include "shared/TextParts.h"
#include "editor/win32/common/ControlNames.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/smallwindows/ResourcePicture.h"

uint8_t StartNewMenu = 0;

namespace {

// OK and Cancel share one handler; the last three characters of the
// sender's name tell them apart ("Command1000" is OK, "Command1001" Cancel).
constexpr int kCancel = 1;

forms::RadioButton* Option(TfrmStartCls* form, const char* name, const char* caption, const char* hint, int top) {
    auto* option = new forms::RadioButton(form, form);
    option->SetName(name);
    option->SetCaption(caption);
    option->SetHint(hint);
    option->SetBounds(24, top, 200, 17);
    option->SetTabStop(true);
    option->OnClick = [form](forms::Component& s) { form->Option1_Click(s); };
    option->OnDblClick = [form](forms::Component& s) { form->Option1_DblClick(s); };
    return option;
}

forms::Button* PushButton(TfrmStartCls* form, const char* name, const char* caption, int left, int top) {
    auto* button = new forms::Button(form, form);
    button->SetName(name);
    button->SetCaption(caption);
    button->SetBounds(left, top, 75, 25);
    button->SetTabStop(true);
    return button;
}

}  // namespace

TfrmStartCls::TfrmStartCls() {
    SetName("frmStart");
    SetCaption("Autorun Quorvel - Start");
    SetBorderStyle(forms::BorderStyle::Dialog);
    SetBorderIcons(forms::biSystemMenu);
    SetClientSize(478, 281);

    Panel1 = new forms::Panel(this, this);
    Panel1->SetName("Panel1");
    Panel1->SetBounds(0, 0, 478, 64);
    Panel1->SetColor(forms::clWhite);
    Panel1->SetBevelOuter(forms::PanelBevel::None);

    Image1 = new forms::Image(this, Panel1);
    Image1->SetName("Image1");
    Image1->SetBounds(0, 0, 478, 64);
    Image1->SetPicture(LoadResourcePicture(editor_resources::kStartHeaderResource));

    Label2 = new forms::Label(this, Panel1);
    Label2->SetName("Label2");
    Label2->SetCaption("Welcome to");
    Label2->SetFont(forms::Font("Segoe UI", 9, false, false, false, forms::clBlack));
    Label2->SetBounds(16, 8, 100, 15);

    Label1 = new forms::Label(this, Panel1);
    Label1->SetName("Label1");
    Label1->SetCaption("Autorun Quorvel");
    Label1->SetFont(forms::Font("Segoe UI", 16, true, false, false, forms::clBlack));
    Label1->SetBounds(16, 24, 250, 30);

    Option1000 = Option(this, "Option1000", "Create a new menu.",
                        "Double-click or click and click OK to create a new menu", 78);
    Option1001 = Option(this, "Option1001", "Open an existing menu",
                        "Double-click or click and click OK to browse...", 100);

    File1 = new forms::FileListBox(this, this);
    File1->SetName("File1");
    File1->SetHint("Existing File in Current Folder");
    File1->SetBounds(40, 122, 300, 108);
    File1->SetTabStop(true);
    File1->OnClick = [this](forms::Component& s) { File1_Click(s); };
    File1->OnDblClick = [this](forms::Component& s) { File1_DblClick(s); };

    Button1 = PushButton(this, "Button1", "Browse...", 352, 122);
    Button1->OnClick = [this](forms::Component& s) { Button1Click(s); };
    Command1000 = PushButton(this, "Command1000", "&OK", 310, 246);
    Command1000->SetDefault(true);
    Command1000->OnClick = [this](forms::Component& s) { Command1_Click(s); };
    Command1001 = PushButton(this, "Command1001", "&Cancel", 392, 246);
    Command1001->SetCancel(true);
    Command1001->OnClick = [this](forms::Component& s) { Command1_Click(s); };

    OpenDialog1 = new forms::OpenDialog(this);
    OpenDialog1->SetName("OpenDialog1");

    Option1000->SetChecked(true);
    CenterOnScreen();
    // Loaded here rather than on OnCreate, so that a window made without
    // Application().CreateForm (on the stack) is complete too.
    Form_Load(*this);
}

void TfrmStartCls::Form_Load(forms::Component&) {
    SetShowHint(EditorOptions.ShowToolTips);
    File1->SetMask("*.mnu");
    File1->SetDirectory(MenuFolder);
    StartFileName = "null";
}

void TfrmStartCls::Command1_Click(forms::Component& sender) {
    if (NameNumber(sender.Name()) == kCancel) {
        StartFileName = "null";
        SetModalResult(forms::mrCancel);
        return;
    }
    StartNewMenu = Option1000->Checked() ? 1 : 0;
    MenuFolder = WithTrailingBackslash(File1->Directory());
    StartFileName = File1->ItemIndex() >= 0 ? File1->Item(File1->ItemIndex()) : "";
    SetModalResult(forms::mrOk);
}

void TfrmStartCls::Option1_Click(forms::Component& sender) {
    if (&sender == Option1001) File1->SetItemIndex(-1);
}

void TfrmStartCls::Option1_DblClick(forms::Component&) { Command1_Click(*Command1000); }

void TfrmStartCls::File1_Click(forms::Component&) {
    const int clicked = File1->ItemIndex();
    Option1001->SetChecked(true);
    File1->SetItemIndex(clicked);
}

void TfrmStartCls::File1_DblClick(forms::Component&) {
    if (File1->ItemIndex() >= 0) Command1_Click(*Command1000);
}

void TfrmStartCls::Button1Click(forms::Component&) {
    OpenDialog1->SetFilter("Autorun Quorvel Menu (*.mnu)|*.MNU");
    OpenDialog1->SetTitle("Open Menu...");
    OpenDialog1->SetOptions(forms::ofOverwritePrompt | forms::ofPathMustExist | forms::ofNoReadOnlyReturn);
    OpenDialog1->SetInitialDir(MenuFolder);
    if (!OpenDialog1->Execute()) return;
    MenuFolder = WithTrailingBackslash(FolderPart(OpenDialog1->FileName()));
    StartFileName = FileNamePart(OpenDialog1->FileName());
    SetModalResult(forms::mrOk);
}
