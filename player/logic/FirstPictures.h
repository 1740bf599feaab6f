// The pictures a menu shows as soon as its window appears: the background,
// the Up frame 0 of each graphical button and the picture of each placed
// image. The player decodes these while it reads the menu and the other
// frames (animation, Active, Down and Accessory pictures) after the window
// is on the screen.
#pragma once
#include <vector>

#include "shared/MenuBody.h"
#include "shared/MenuType.h"

namespace player {

bool ShownAtOnce(const TAQMenu& menu, int object, int state, int frame);

// How the player reads a menu file: the pictures ShownAtOnce are decoded,
// the others go to later for DecodeDeferredPictures.
MenuReadOptions FirstPaintReading(std::vector<DeferredPicture>& later);

}  // namespace player
