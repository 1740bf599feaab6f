#include "shared/MenuType.h"

const char* const AnimModeText[kAnimModeCount] = {
    "Do Not Animate Images",
    "Random Frames",
    "Scroll Up Once",
    "Scroll Up Continuously",
    "Cycle Up and Down Once",
    "Cycle Up and Down Continuously",
};

TAQMenu::TAQMenu() : Buttons(kButtonSlots) {}

PicTable& PicTable::operator=(const PicTable& other) {
    if (this == &other) return *this;
    for (int s = 0; s < kPicStates; ++s)
        rows_[s] = other.rows_[s] ? std::make_unique<RowBox>(*other.rows_[s]) : nullptr;
    return *this;
}

PicTable::Row& PicTable::operator[](int state) {
    std::unique_ptr<RowBox>& row = rows_[state];
    if (!row) row = std::make_unique<RowBox>();
    return row->slots;
}

const PicTable::Row& PicTable::operator[](int state) const {
    static const RowBox kNoFrames;
    return rows_[state] ? rows_[state]->slots : kNoFrames.slots;
}

void PicTable::Clear() {
    for (std::unique_ptr<RowBox>& row : rows_) row.reset();
}

void CopyButton(const TAQButton& source, TAQButton& dest) {
    for (int s = 0; s < kPicStates; ++s) {
        int f = 0;
        for (; f <= kMaxFrame && HasPic(source.Pics[s][f]); ++f)
            dest.Pics[s][f] = std::make_shared<forms::Bitmap>(*source.Pics[s][f]);
        for (; f < kFrameSlots; ++f) dest.Pics[s][f].reset();
    }

    dest.AnimMode = source.AnimMode;
    dest.Caption = source.Caption;
    dest.ButtonArgs = source.ButtonArgs;
    dest.ButtonCommand = source.ButtonCommand;
    dest.ObjHeight = source.ObjHeight;
    dest.ObjWidth = source.ObjWidth;
    dest.ShortcutKey = source.ShortcutKey;
    dest.MinimizeOnClick = source.MinimizeOnClick;
    dest.RestoreOnClose = source.RestoreOnClose;
    dest.AccRTF = source.AccRTF;
    dest.ObjectKind = source.ObjectKind;
    dest.MaximizeLaunched = source.MaximizeLaunched;
    dest.ExitOnClick = source.ExitOnClick;
    dest.FontName = source.FontName;
    dest.FontSize = source.FontSize;
    dest.FontStyle = source.FontStyle;
    dest.FontColor = source.FontColor;
    dest.TextAlign = source.TextAlign;
    dest.NeedsViewer = source.NeedsViewer;
    dest.ViewerName = source.ViewerName;
    dest.ViewerVersion = source.ViewerVersion;
    dest.VersionOrAbove = source.VersionOrAbove;

    dest.AccDirty = 1;

    dest.LastScale = source.LastScale;
    dest.LookPNG = source.LookPNG;
    dest.AccPNG = source.AccPNG;

    const TShapeRec& from = source.ShapeRec;
    TShapeRec& to = dest.ShapeRec;
    to.ShapeKind = from.ShapeKind;
    to.LineThickness = from.LineThickness;
    to.LineColor = from.LineColor;
    to.FillType = from.FillType;
    to.FillColor = from.FillColor;
    to.GradientColor = from.GradientColor;
    to.CornerRounding = from.CornerRounding;
    to.FillAlpha = from.FillAlpha;
    to.LineAlpha = from.LineAlpha;
}
