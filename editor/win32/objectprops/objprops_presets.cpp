// The preset strip of the shape panel: up to 100 ready-made shapes of the
// current range, drawn small; hovering selects one, clicking applies it to
// the edited shape. Adding and deleting rewrite the range's file at once.
#include <windows.h>

#include "editor/logic/PNGDraw.h"
#include "editor/logic/ShapePresets.h"
#include "editor/win32/common/ControlNames.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/objectprops/objprops.h"
#include "forms/portable/FileSystem.h"
#include "forms/portable/Stream.h"
#include "forms/win32/Application.h"
#include "forms/win32/ComboBox.h"
#include "forms/win32/Edit.h"
#include "forms/win32/Image.h"
#include "forms/win32/ScrollBox.h"
#include "forms/win32/Shape.h"

void TForm2::CreatePresetImages() {
    for (int i = 1; i <= editor::kMaxPresets; ++i) {
        auto* image = new forms::Image(this, ScrollBox1);
        image->SetName(NumberedName("PresetImg", i));
        image->SetBounds(i * 48 - 42, 4, 42, 42);
        image->SetVisible(false);
        image->OnMouseEnter = [this, i](forms::Component&) { Image3MouseEnter(i); };
        image->OnClick = [this](forms::Component&) { Image3Click(); };
        PresetImgs[static_cast<size_t>(i)] = image;
    }
}

std::string TForm2::PresetFilePath() const {
    return PresetsFolder_ + "pss\\" + editor::PresetFileName(PresetRange);
}

void TForm2::LoadPresets() {
    for (int i = 1; i <= editor::kMaxPresets; ++i) PresetImgs[static_cast<size_t>(i)]->SetVisible(false);
    std::vector<std::string>& list = PresetLists[static_cast<size_t>(PresetRange)];
    std::vector<uint8_t> bytes;
    if (forms::FileExists(PresetFilePath()) && forms::ReadWholeFile(PresetFilePath(), bytes)) {
        const editor::PresetFileRows file = editor::ReadPresetFile(std::string(bytes.begin(), bytes.end()));
        if (file.HasRows) list = file.Rows;
        if (file.Skipped > 0)
            EditorMsg("Some lines of the preset file \"" + PresetFilePath() +
                          "\" are not presets and were left out.",
                      TMsgDlgType::mtWarning, TMsgDlgButtons::mbOK);
    }
    for (size_t i = 1; i <= list.size() && i <= static_cast<size_t>(editor::kMaxPresets); ++i) {
        PresetRecs[i] = *editor::ParsePresetRow(list[i - 1]);
        PreviewObj.ShapeRec = editor::PresetPreviewShape(PresetRecs[i]);
        PreviewObj.ObjWidth = editor::kPresetPreviewSide;
        PreviewObj.ObjHeight = editor::kPresetPreviewSide;
        if (editor::DrawShape(PreviewObj)) PresetImgs[i]->SetPicture(PreviewObj.LookPNG);
        PresetImgs[i]->SetVisible(true);
    }
    ScrollBox1->SetVisible(!list.empty());
    ScrollBox1Resize();
    CheckPresetSelection();
}

bool TForm2::SavePresets() {
    const std::string folder = PresetsFolder_ + "pss";
    if (!forms::DirectoryExists(folder)) CreateDirectoryA(folder.c_str(), nullptr);
    const std::string text = editor::WritePresetFile(PresetLists[static_cast<size_t>(PresetRange)]);
    if (forms::ReplaceWholeFile(PresetFilePath(), text.data(), text.size())) return true;
    EditorMsg("The presets could not be saved to \"" + PresetFilePath() + "\".", TMsgDlgType::mtError,
              TMsgDlgButtons::mbOK);
    return false;
}

void TForm2::AddPreset() {
    std::vector<std::string>& list = PresetLists[static_cast<size_t>(PresetRange)];
    if (static_cast<int>(list.size()) >= editor::kMaxPresets) {
        EditorMsg("Only 100 different presets are allowed for each range. You must delete presets before adding more.",
                  TMsgDlgType::mtWarning, TMsgDlgButtons::mbOK);
        return;
    }
    const auto row = editor::FormatPresetRow(WorkObj.ObjWidth, WorkObj.ObjHeight, WorkObj.ShapeRec);
    if (!row) {
        EditorMsg("This shape cannot be kept as a preset: a preset holds a width and height from 1 to 999 and a line "
                  "thickness from 0 to 9.",
                  TMsgDlgType::mtWarning, TMsgDlgButtons::mbOK);
        return;
    }
    list.push_back(*row);
    if (!SavePresets()) {
        list.pop_back();
        return;
    }
    LoadPresets();
    SelPreset = editor::kMaxPresets + 1;
    CheckPresetSelection();
}

void TForm2::ToolButton14Click() {
    std::vector<std::string>& list = PresetLists[static_cast<size_t>(PresetRange)];
    if (SelPreset < 1 || SelPreset > static_cast<int>(list.size())) return;
    const std::string removed = list[static_cast<size_t>(SelPreset - 1)];
    list.erase(list.begin() + (SelPreset - 1));
    if (!SavePresets()) {
        list.insert(list.begin() + (SelPreset - 1), removed);
        return;
    }
    LoadPresets();
    CheckPresetSelection();
}

void TForm2::ComboBox3Change() {
    PresetRange = ComboBox3->ItemIndex() + 1;
    if (PresetRange < 1 || PresetRange > editor::kPresetRanges) PresetRange = 1;
    LoadPresets();
}

void TForm2::Image3MouseEnter(int n) {
    SelPreset = n;
    const forms::Image& image = *PresetImgs[static_cast<size_t>(n)];
    Shape1->SetBounds(image.Left() - 2, image.Top() - 2, image.Width() + 4, image.Height() + 4);
    Shape1->SetVisible(true);
    Shape1->SendToBack();
}

void TForm2::Image3Click() {
    forms::Application().ProcessMessages();
    const int count = static_cast<int>(PresetLists[static_cast<size_t>(PresetRange)].size());
    if (SelPreset < 1 || SelPreset > count) return;
    WorkObj.ShapeRec = PresetRecs[static_cast<size_t>(SelPreset)];
    WorkObj.ObjWidth = WorkObj.ShapeRec.ShapeWidth;
    WorkObj.ObjHeight = WorkObj.ShapeRec.ShapeHeight;
    DlgReady = 0;
    Edit3->SetText(std::to_string(WorkObj.ObjWidth));
    Edit4->SetText(std::to_string(WorkObj.ObjHeight));
    DlgReady = 1;
    DoPNGShape();
    ShowShapeSettings();
}

void TForm2::CheckPresetSelection() {
    if (!ScrollBox1->Visible() || SelPreset == -1) return;
    const int count = static_cast<int>(PresetLists[static_cast<size_t>(PresetRange)].size());
    if (SelPreset > count) {
        if (count == 0) {
            SelPreset = -1;
            Shape1->SetVisible(false);
            return;
        }
        SelPreset = count;
    }
    Image3MouseEnter(SelPreset);
}

void TForm2::ScrollBox1Resize() {
    ScrollBox1->SetHeight(ScrollBox1->HorzScrollBarVisible() ? 70 : 54);
}
