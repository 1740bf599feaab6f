// Saving the current document to a menu file and loading a menu file into a
// document.
//
// A load reads the whole file into a record of its own first and changes
// the editor only when the file was read: a damaged or cut-short file is
// reported and leaves no half-built document, and a reload (undo or redo)
// that fails leaves the user's document as it was. MenuLoading is set for
// the whole load and cleared on every way out.
#include <string>

#include "editor/logic/MenuLoadRules.h"
#include "editor/logic/PNGDraw.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/common/EditorMenuFileHost.h"
#include "editor/win32/common/LocaleClock.h"
#include "editor/win32/common/RichTextPicture.h"
#include "editor/win32/smallwindows/frmsave.h"
#include "editor/win32/mainwindow/mdiform1.h"
#include "forms/portable/FileSystem.h"
#include "forms/win32/Application.h"
#include "forms/win32/Font.h"
#include "forms/win32/Image.h"
#include "forms/win32/Label.h"
#include "forms/win32/PageControl.h"
#include "forms/win32/Panel.h"
#include "forms/win32/RichEdit.h"
#include "forms/win32/Shape.h"
#include "shared/MenuBody.h"

namespace {

// Sets a flag for the lifetime of the guard.
class FlagGuard {
public:
    explicit FlagGuard(uint8_t& flag) : flag_(flag) { flag_ = 1; }
    ~FlagGuard() { flag_ = 0; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

private:
    uint8_t& flag_;
};

bool HasPicture(const PicRef& picture) { return picture && !picture->Empty(); }

forms::FontStyles StylesOf(bool bold, bool italic, bool underline) {
    return (bold ? forms::fsBold : 0u) | (italic ? forms::fsItalic : 0u) | (underline ? forms::fsUnderline : 0u);
}

// The alignment of an older file's alignment code; false for a code that
// leaves the alignment as it was.
bool AlignmentOf(int code, forms::Alignment& alignment) {
    switch (code) {
        case kAlignLeft: alignment = forms::Alignment::Left; return true;
        case kAlignRight: alignment = forms::Alignment::Right; return true;
        case kAlignCenter: alignment = forms::Alignment::Center; return true;
        default: return false;
    }
}

// Plain text in the scratch rich edit, all selected and formatted; the RTF.
std::string FormattedRTF(forms::RichEdit& edit, const std::string& text, const std::string& fontName, int size,
                         forms::FontStyles styles, forms::Color color, int alignCode) {
    edit.SetRTF("");
    edit.SetBackgroundColor(forms::clWhite);
    edit.SetText(text);
    edit.SelectAll();
    edit.SetSelectionFontName(fontName);
    if (size > 0) edit.SetSelectionSize(size);
    edit.SetSelectionStyle(styles);
    edit.SetSelectionColor(color & 0xFFFFFF);
    forms::Alignment alignment = forms::Alignment::Left;
    if (AlignmentOf(alignCode, alignment)) edit.SetSelectionAlignment(alignment);
    return edit.RTF();
}

}  // namespace

// ---- saving ----

bool TMDIForm1Cls::SaveMenu(const std::string& folder, const std::string& fileName, bool withImages, bool quiet) {
    const int slot = CurMenu_;
    if (!CurrentDoc()) return false;
    if (!quiet) {
        ShowStatusPopup("Saving...");
        forms::Application().ProcessMessages();
    }
    // Messages ran: save only the document the save was asked for.
    TMenuDocument* doc = MenuDoc(slot);
    if (!doc || doc->Closed) return false;
    if (!quiet) {
        doc->HasFile = 1;
        // A text still open in the text box is saved as it stands.
        if (EditedAccMenu_ == slot) StoreAccTextEdit();
        // A placed text being typed ends its edit, so that it is saved.
        if (EditedMenu_ == slot) CommitPlacedTextEdit(*doc);
        RenderMissingPictures(*doc, true);
    }
    EditorMenuFileHost host;
    TMenuFile file(host);
    file.ClearMnuError();
    // Quiet files are the undo snapshots, deleted when the document closes.
    file.SetScratchWrites(quiet);
    if (!file.OpenMnuFile(fileName, folder, 1, 0)) {
        file.CloseMnuFile();
        if (!quiet) FinishStatusPopup("Save cancelled...", 600);
        return false;
    }
    bool written = false;
    {
        forms::WaitCursor wait;
        if (!quiet) doc->TabSheet->SetCaption(fileName + " (" + doc->Menu.MenuTitle + ")");
        MenuWriteOptions options;
        options.Quiet = quiet;
        options.SkipImages = !withImages;
        WriteMenuFile(file, doc->Menu, options);
        file.CloseMnuFile();
        written = file.MnuError() == 0;
    }
    if (quiet) return written;
    if (!written) {
        FinishStatusPopup("Save cancelled...", 600);
        return false;
    }
    if (!editor::HasExitButton(doc->Menu))
        EditorMsg(editor::kNoExitButtonWarning, TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK);
    FinishStatusPopup("Saved!", 200);
    if (TMenuDocument* saved = MenuDoc(slot); saved && !saved->Closed) saved->Modified = 0;
    return true;
}

forms::PngImage TMDIForm1Cls::RenderRichText(const TAQMenu& menu, const std::string& rtf, int width, int height) {
    RichEditTrans->SetRTF(rtf);
    return editor::RenderRTFToPNG(*RichEdit2, *RichEditTrans, width, height, menu.ShadowDepth,
                                  static_cast<forms::Color>(menu.ShadowColor & 0xFFFFFF));
}

void TMDIForm1Cls::RenderMissingPictures(TMenuDocument& doc, bool accessoryTexts) {
    TAQMenu& menu = doc.Menu;
    const int boxWidth = menu.AccTextWidth;
    const int boxHeight = menu.AccTextHeight;
    if (accessoryTexts && doc.AccPNGDirty) {
        menu.AccPNG = RenderRichText(menu, menu.AccRTF, boxWidth, boxHeight);
        doc.AccPNGDirty = 0;
    }
    for (int n = 1; n <= menu.BtnCount && n <= kMaxObjects; ++n) {
        TAQButton& object = menu.Buttons[static_cast<size_t>(n)];
        if (accessoryTexts && object.AccDirty && object.ObjectKind <= TextButton) {
            object.AccPNG = RenderRichText(menu, object.AccRTF, boxWidth, boxHeight);
            object.AccDirty = 0;
        }
        if (!object.LookDirty) continue;
        if (object.ObjectKind == TextButton)
            object.LookPNG = RenderRichText(menu, object.Caption, object.ObjWidth, object.ObjHeight);
        else if (object.ObjectKind == PlcText)
            object.LookPNG = RenderRichText(menu, object.AccRTF, object.ObjWidth, object.ObjHeight);
        else if (object.ObjectKind == PlcShape)
            (void)editor::DrawShape(object);  // a shape of no drawable size keeps its old look
        object.LookDirty = 0;
    }
}

// ---- loading ----

void TMDIForm1Cls::ConvertPlainTexts(TAQMenu& menu, int version) {
    const TTextFont& font = menu.PlainAccFont;
    const forms::FontStyles accStyles = StylesOf(font.Bold, font.Italic, font.Underline);
    const auto accColor = static_cast<forms::Color>(menu.PlainAccColor);
    menu.AccRTF =
        FormattedRTF(*RichEditTrans, menu.PlainAccText, font.Name, font.Size, accStyles, accColor, menu.PlainAccAlign);
    for (int n = 1; n <= menu.BtnCount; ++n) {
        TAQButton& object = menu.Buttons[static_cast<size_t>(n)];
        // The object's text wears the menu's accessory formatting.
        object.AccRTF = FormattedRTF(*RichEditTrans, object.PlainAccText, font.Name, font.Size, accStyles, accColor,
                                     menu.PlainAccAlign);
        if (object.ObjectKind == TextButton && version >= 7) {
            const forms::FontStyles styles = StylesOf((object.FontStyle & kFontBold) != 0,
                                                      (object.FontStyle & kFontItalic) != 0,
                                                      (object.FontStyle & kFontUnderline) != 0);
            object.Caption = FormattedRTF(*RichEditTrans, object.Caption, object.FontName, object.FontSize, styles,
                                          static_cast<forms::Color>(object.FontColor), object.TextAlign);
        }
        object.AccDirty = 1;
        if (object.ObjectKind == TextButton || object.ObjectKind == PlcText) object.LookDirty = 1;
    }
}

void TMDIForm1Cls::ShowMenuLayout(TMenuDocument& doc) {
    const TAQMenu& menu = doc.Menu;
    doc.TimeLabel->SetCaption(LocaleTimeText());
    doc.DateLabel->SetCaption(LocaleDateText());
    doc.TimeLabel->SetVisible(menu.TimeVisible);
    doc.DateLabel->SetVisible(menu.DateVisible);
    ShowClockLabels(doc);
    doc.AccessoryImage->SetBounds(menu.AccImageLeft, menu.AccImageTop, doc.AccessoryImage->Width(),
                                  doc.AccessoryImage->Height());
    doc.AccessoryText->SetBounds(menu.AccTextLeft, menu.AccTextTop, menu.AccTextWidth, menu.AccTextHeight);
    doc.AccessoryText->BringToFront();
    const PicRef& back = menu.Buttons[0].Pics[Up][0];
    int width = 0;
    int height = 0;
    if (HasPicture(back)) {
        doc.BackImage->SetPicture(*back);
        width = back->Width();
        height = back->Height();
    } else {
        doc.BackImage->ClearPicture();
    }
    doc.FramePanel->SetBounds(8, 8, width + 4, height + 4);
    doc.ShadowShape->SetBounds(11, 11, width + 4, height + 4);
    // A new document starts with these hidden until it has its settings.
    doc.BackImage->SetVisible(true);
    doc.FramePanel->SetVisible(true);
    doc.ShadowShape->SetVisible(true);
}

bool TMDIForm1Cls::LoadMenu(const std::string& fileName, const std::string& folder, bool reload) {
    if (MenuLoading_) return false;
    if (reload && !CurrentDoc()) return false;
    FlagGuard loading(MenuLoading_);
    if (!forms::FileExists(folder + fileName)) {
        EditorMsg("Menu not found.", TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK);
        return false;
    }
    EditorMenuFileHost host;
    TMenuFile file(host);
    file.ClearMnuError();
    if (!file.OpenMnuFile(fileName, folder, 0, 0) || !file.ReadMnuHeader()) {
        file.CloseMnuFile();
        EditorMsg("Menu file could not be read.", TMsgDlgType::mtError, TMsgDlgButtons::mbOK);
        return false;
    }
    forms::WaitCursor wait;
    const MenuFileHeader header = file.MnuHeader();
    const int slot = CurMenu_;

    // The file goes into a record of its own; a reload starts from the
    // document's, so a snapshot without pictures keeps the document's.
    TAQMenu staged = reload ? CurrentDoc()->Menu : TAQMenu();
    if (header.HdrImages > 0 && header.HdrObjects > 0)
        for (int n = 0; n <= kMaxObjects; ++n)
            staged.Buttons[static_cast<size_t>(n)].Pics.Clear();
    MenuReadOptions options;
    options.Reload = reload;
    options.PlcImageAlsoAtFrame0 = true;
    // Pictures an undo or redo brings back unchanged stay shared with the
    // document's, rather than being made again.
    if (reload) options.Previous = &CurrentDoc()->Menu;
    MenuReadReport report;
    ReadMenuBody(file, staged, options, &report);
    file.CloseMnuFile();
    if (!report.BodyOk) {
        EditorLoadWarning("Error loading binary menu data.");
        return false;
    }
    if (!report.PicturesOk || report.BlocksDamaged > 0) {
        const int loaded = report.BlocksRead - report.PicturesDamaged;
        if (header.HdrImages > 0 && loaded < header.HdrImages)
            EditorMsg("Only " + std::to_string(loaded) + " of " + std::to_string(header.HdrImages) + " images loaded.",
                      TMsgDlgType::mtWarning, TMsgDlgButtons::mbOK);
        EditorLoadWarning("Error loading binary menu data.");
        // A snapshot is all or nothing: the document stays as it was.
        if (reload) return false;
        if (!HasPicture(staged.Buttons[0].Pics[Up][0])) {
            EditorLoadWarning("No background image could be found, menu could not be loaded.");
            return false;
        }
    }
    // Rendered texts and shapes whose pictures could not be read are
    // rendered again, so that none is saved empty.
    const bool renderedLost = report.BlocksDamaged > report.PicturesDamaged;
    editor::BringLoadedValuesInRange(staged);
    if (header.HdrMajor < 8) ConvertPlainTexts(staged, header.HdrMajor);

    int docSlot = slot;
    if (!reload) {
        if (!NewMenu(0)) return false;
        docSlot = MenuCounter;
    }
    // Messages ran since the load began: the document may have gone.
    TMenuDocument* target = MenuDoc(docSlot);
    if (!target || target->Closed) return false;
    TMenuDocument& doc = *target;
    if (!reload) {
        doc.HasFile = 1;
        doc.Folder = folder;
        doc.FileName = fileName;
    }
    doc.Menu = std::move(staged);
    RenewObjControls(doc);
    TAQMenu& menu = doc.Menu;
    if (!reload) {
        doc.TabSheet->SetCaption(fileName + " (" + menu.MenuTitle + ")");
        doc.AccPNGDirty = header.HdrMajor < 8 || renderedLost ? 1 : 0;
    } else {
        // A snapshot carries no rendered pictures: render them again.
        doc.AccPNGDirty = 1;
    }
    for (int n = 1; n <= menu.BtnCount; ++n) {
        TAQButton& object = menu.Buttons[static_cast<size_t>(n)];
        if (reload || renderedLost) {
            if (object.ObjectKind <= TextButton) object.AccDirty = 1;
            if (object.ObjectKind == TextButton || object.ObjectKind == PlcText || object.ObjectKind == PlcShape)
                object.LookDirty = 1;
        }
        if (header.HdrMajor < 8 && object.ObjectKind == GraphicalButton && HasPicture(object.Pics[Up][0])) {
            // An older file's graphical button takes its picture's size.
            object.ObjWidth = object.Pics[Up][0]->Width();
            object.ObjHeight = object.Pics[Up][0]->Height();
        }
    }
    // Shapes and texts on the menu are drawn now; an accessory text marked
    // to be rendered is rendered when the menu is next saved.
    RenderMissingPictures(doc, header.HdrMajor < 8);
    ShowMenuLayout(doc);
    RefreshObjects(doc);
    if (!reload) doc.Modified = 0;
    forms::Application().ProcessMessages();
    if (CurMenu_ == docSlot) {
        EnableToolbars(1, 0);
        SyncMenuTools();
        // The accessory text box shows the menu's own text at once, rendered
        // when the file or snapshot carried none; a menu without a text
        // shows its picture as stored.
        if (TMenuDocument* shown = CurrentDoc()) {
            shown->AccessoryText->SetTag(0);
            if (shown->Menu.AccRTF.empty())
                shown->AccessoryText->SetPicture(shown->Menu.AccPNG);
            else
                RenderAccText(0);
        }
    }
    return true;
}
