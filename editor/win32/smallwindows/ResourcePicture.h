// Pictures the editor carries as BITMAP resources of its own executable (the
// splash, the start dialog's header, the status pop-up's picture).
// LoadResourcePicture gives an opaque picture of the named resource, read
// row by row; a resource that is missing or cannot be read gives an empty
// picture, so a window shows without it rather than failing.
#pragma once
#include "forms/win32/Picture.h"
#include "forms/win32/Types.h"

forms::Picture LoadResourcePicture(const char* resourceName);
// The same picture with every pixel of colour seeThrough transparent (a
// picture with alpha), for pictures drawn over a background of any colour.
forms::Picture LoadResourcePicture(const char* resourceName, forms::Color seeThrough);
