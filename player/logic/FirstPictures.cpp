#include "player/logic/FirstPictures.h"

namespace player {

bool ShownAtOnce(const TAQMenu& menu, int object, int state, int frame) {
    if (state != Up || object < 0 || object > menu.BtnCount) return false;
    if (object == 0) return frame == 0;
    switch (menu.Buttons[object].ObjectKind) {
        case GraphicalButton: return frame == 0;
        case PlcImage: return frame == 1;
        default: return false;
    }
}

MenuReadOptions FirstPaintReading(std::vector<DeferredPicture>& later) {
    MenuReadOptions reading;
    reading.Deferred = &later;
    reading.DecodeNow = &ShownAtOnce;
    return reading;
}

}  // namespace player
