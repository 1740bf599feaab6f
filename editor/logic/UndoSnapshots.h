// Names of the undo and redo snapshot files of a menu document. Each
// document slot keeps two numbered stacks of whole-menu snapshots in the
// snapshot folder: "UD" + slot + step + ".und" for undo and "RD" + slot +
// step + ".und" for redo, slot and step each written with three digits.
#pragma once
#include <string>

namespace editor {

std::string UndoSnapshotName(int slot, int step);
std::string RedoSnapshotName(int slot, int step);
// True when fileName (no folder) is an undo or redo snapshot of slot:
// one letter, "D", the slot's three digits, anything, ".und" (any case).
bool IsSnapshotOfSlot(const std::string& fileName, int slot);

}  // namespace editor
