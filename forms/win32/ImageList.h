// A list of equally sized glyphs (16x16 unless told otherwise) for tool bars:
// a Win32 image list with masks. Cells come from a horizontal strip in which
// one mask colour is transparent; a cell can be read back drawn over a
// background colour, changed by the program (a colour bar painted into its
// bottom rows, say) and put back with a mask colour of its own. Whoever shows
// the list (a tool bar) subscribes to hear when cells change and when the
// list goes away.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <map>

#include "forms/portable/Bitmap.h"
#include "forms/win32/Component.h"

namespace forms {

enum class ImageListChange { Cells, Destroyed };

class ImageList : public Component {
public:
    explicit ImageList(Component* owner, int cellWidth = 16, int cellHeight = 16);
    ~ImageList() override;

    int CellWidth() const { return cellWidth_; }
    int CellHeight() const { return cellHeight_; }
    int Count() const;

    // Appends one cell for every whole cell width of the strip (columns left
    // over at the right are ignored); pixels of maskColor are transparent.
    // The strip must be one cell high. Returns the index of the first new
    // cell, or -1 (nothing added) when the strip holds no whole cell, has
    // another height, or GDI refuses.
    int AddMasked(const Bitmap& strip, Color maskColor);

    // The cell drawn over a background of the given colour, every pixel
    // opaque (fourth byte 0xFF). An empty bitmap for an index out of range.
    Bitmap GetBitmap(int index, Color background) const;

    // Replaces a cell with a cell-sized picture whose pixels of maskColor are
    // transparent. False, and the cell unchanged, for an index out of range,
    // a picture of another size, or when GDI refuses.
    bool ReplaceMasked(int index, const Bitmap& cell, Color maskColor);

    // The Win32 image list; owned by this object.
    HIMAGELIST Handle() const { return list_; }

    // Observers, called after cells were added or replaced, and once when the
    // list is destroyed (the pointer is invalid afterwards). Subscribe
    // returns a token for Unsubscribe.
    using Observer = std::function<void(ImageListChange change)>;
    int Subscribe(Observer observer);
    void Unsubscribe(int token);

private:
    void Notify(ImageListChange change);

    int cellWidth_;
    int cellHeight_;
    HIMAGELIST list_ = nullptr;
    std::map<int, Observer> observers_;
    int nextToken_ = 1;
};

}  // namespace forms
