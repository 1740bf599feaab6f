// Where Find Controls puts back the parts of a menu design that lie outside
// the background picture (W x H): the accessory text and image boxes, the
// time and date labels and the objects. A box or object must keep at least
// 32 pixels inside the picture; a label must lie wholly inside it.
//
// The far-side limit is applied before the near side, so a picture narrower
// or lower than the limit (or no picture at all) puts the part at 0, never
// at a negative place where it would be lost again.
#pragma once

namespace editor {

constexpr int kFindControlsMargin = 32;

struct PartRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const PartRect& o) const {
        return Left == o.Left && Top == o.Top && Width == o.Width && Height == o.Height;
    }
};

// The accessory text box: the position rules, and at least 32 x 32.
PartRect PlaceAccessoryTextBox(PartRect box, int pictureWidth, int pictureHeight);
// The accessory image box and an object (judged by its image control): the
// position rules; the size stays.
PartRect PlaceBoxOrObject(PartRect box, int pictureWidth, int pictureHeight);
// The time and date labels: wholly inside the picture; the size stays.
PartRect PlaceLabel(PartRect label, int pictureWidth, int pictureHeight);

}  // namespace editor
