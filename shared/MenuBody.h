// A whole menu file: the one writer and the one reader of the menu fields,
// the object fields and the image section, shared by the editor's save and
// undo snapshots and by both programs' loading. Both work at the current
// position of the given menu file's stream and report failures through its
// MnuError(), which the caller clears before the sequence as for every field
// routine.
//
// File layout: header; menu fields; for each object 1..BtnCount its fields;
// the image section (bitmap blocks); one closing byte.
//
// A quiet file (an undo or redo snapshot) leaves out the PNG blocks, carries
// "null" for the window shape and raw pixels; it keeps the shape integers.
//
// The image section holds, for objects 0 to 100 and beyond that up to
// BtnCount, the frames of graphical buttons (object 0, the background, counts
// as one) and the two blocks of each placed image. Objects above 100 are
// stored like the others: a block's object byte carries numbers up to 255,
// and the reader puts a block into any slot the record has.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "shared/MenuType.h"
#include "shared/mdlfilebin.h"

struct MenuWriteOptions {
    bool Quiet = false;       // undo/redo snapshot form, raw pixels
    bool SkipImages = false;  // no image section: the header's count is -1
    // zlib level of compressed pictures: 9 for files; a lower level only where
    // the bytes are read back at once and speed matters more than size.
    int ZipLevel = kZipLevelStored;
};

// Number of bitmap blocks the image section of the menu holds.
int CountImageBlocks(const TAQMenu& menu);

// Writes header, body, image section and closing byte at file's stream. The
// window shape is made from Buttons[0].Pics[Up][0] and TransColor (unless
// quiet). Refuses (MnuError set, nothing written) a menu whose BtnCount is
// outside 0..200 or whose picture count does not fit the header's 16-bit
// field, and a missing stream. Returns true when MnuError is clear at the end.
// Never throws: an exception while writing (out of memory) sets MnuError.
bool WriteMenuFile(TMenuFile& file, const TAQMenu& menu, const MenuWriteOptions& options);

// A picture block whose compressed pixels were left in the file undecoded:
// its slot and where its pixels start in the stream it was read from.
struct DeferredPicture {
    int Object = 0;
    int State = 0;
    int Frame = 0;
    int64_t Position = 0;
};

struct MenuReadOptions {
    // Reading a quiet file: no PNG blocks, raw pixels.
    bool Reload = false;
    // A placed image's block is also stored at Up frame 0, so that both of
    // its Up frames hold the displayed-size picture (the editor's view).
    bool PlcImageAlsoAtFrame0 = false;
    // Pictures the menu held before the read (not changed by it): a block
    // whose pixels equal the picture Previous holds at the block's slot
    // shares that picture instead of making a new one. A reload that brings
    // back mostly the same pictures so allocates and fills little memory.
    const TAQMenu* Previous = nullptr;
    // With Deferred set, compressed pictures for which DecodeNow (called with
    // the menu as read so far and the block's object, state and frame) is
    // false are not inflated while the file is read, nor kept in memory:
    // their places go to Deferred in file order, for DecodeDeferredPictures.
    // A program can so show the pictures it needs first before it reads and
    // decodes the rest. (Deferred pictures are stored at their own slot only:
    // not for the editor's view of placed images above.)
    std::function<bool(const TAQMenu&, int object, int state, int frame)> DecodeNow;
    std::vector<DeferredPicture>* Deferred = nullptr;
};

struct MenuReadReport {
    bool BodyOk = false;  // every menu and object field had its type
    int BlocksRead = 0;     // picture blocks read in good order
    int BlocksSkipped = 0;  // of those, blocks outside the record's slots
    bool PicturesOk = false;  // every announced picture block was read
    int BlocksDamaged = 0;  // PNG and picture blocks that were whole but undecodable
    int PicturesDamaged = 0;  // of those, the picture blocks of the image section
};

// Reads the body and the image section after a successful file.ReadMnuHeader(),
// for header versions 6 and later (7 and 6 are the older layouts; newer
// than 8 read as 8). Sets menu.BtnCount from the header and overwrites the
// fields the file carries; fields it does not carry keep their values (so
// pictures are replaced only where a block lands: a file without image
// section leaves them all as they were). Pictures whose object, state or
// frame lies outside the record's slots are read and dropped (counted in
// BlocksSkipped). A header object count above 200 is refused before anything
// is read. After a field of the wrong type (the stream is then out of step)
// no pictures are read; the first bad picture block ends the pictures. A PNG
// or picture block that is whole but whose data cannot be decoded is skipped
// (its picture keeps its value) and reading goes on: such blocks are counted
// in BlocksDamaged and MnuError is set once everything has been read.
// Returns true when the whole file was read without error; MnuError is set
// otherwise.
bool ReadMenuBody(TMenuFile& file, TAQMenu& menu, const MenuReadOptions& options,
                  MenuReadReport* report = nullptr);

// Reads the deferred pictures from source (a stream over the same bytes as
// the one the menu was read from) and decodes them into their slots, in
// order. A picture whose data is corrupt or no longer there is left out (its
// slot stays empty); the result is then false. The list is emptied.
bool DecodeDeferredPictures(TAQMenu& menu, std::vector<DeferredPicture>& pictures, forms::Stream& source);
