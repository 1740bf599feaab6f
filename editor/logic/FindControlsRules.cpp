#include "editor/logic/FindControlsRules.h"

namespace editor {
namespace {

int Limit(int value, int highest) {
    if (value > highest) value = highest;
    return value < 0 ? 0 : value;
}

}  // namespace

PartRect PlaceAccessoryTextBox(PartRect box, int pictureWidth, int pictureHeight) {
    box = PlaceBoxOrObject(box, pictureWidth, pictureHeight);
    if (box.Width < kFindControlsMargin) box.Width = kFindControlsMargin;
    if (box.Height < kFindControlsMargin) box.Height = kFindControlsMargin;
    return box;
}

PartRect PlaceBoxOrObject(PartRect box, int pictureWidth, int pictureHeight) {
    box.Left = Limit(box.Left, pictureWidth - kFindControlsMargin);
    box.Top = Limit(box.Top, pictureHeight - kFindControlsMargin);
    return box;
}

PartRect PlaceLabel(PartRect label, int pictureWidth, int pictureHeight) {
    label.Left = Limit(label.Left, pictureWidth - label.Width);
    label.Top = Limit(label.Top, pictureHeight - label.Height);
    return label;
}

}  // namespace editor
