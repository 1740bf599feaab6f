// A menu file as JSON, read through the shared menu reader: what the header
// says, how the reading went (with any message the reader showed), the menu's
// fields, and each object's fields with the pictures present in each state
// (frame number, width, height). For end-to-end checks of saved menus.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// quiet: read the file as an undo or redo snapshot.
std::string MenuFileToJson(const std::vector<uint8_t>& bytes, bool quiet);
