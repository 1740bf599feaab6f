#include "editor/logic/FindControlsRules.h"

#include <gtest/gtest.h>

using editor::PartRect;

TEST(FindControlsRules, PartsInsideThePictureStay) {
    const PartRect box{40, 40, 200, 100};
    EXPECT_EQ(editor::PlaceAccessoryTextBox(box, 640, 480), box);
    EXPECT_EQ(editor::PlaceBoxOrObject(box, 640, 480), box);
    EXPECT_EQ(editor::PlaceLabel(PartRect{20, 200, 60, 17}, 640, 480), (PartRect{20, 200, 60, 17}));
}

TEST(FindControlsRules, LostPartsComeBackWithinTheirMargins) {
    // An object above and left of the picture goes to the corner; one beyond
    // the far edges keeps 32 pixels inside; its size is kept.
    EXPECT_EQ(editor::PlaceBoxOrObject(PartRect{-10, -10, 97, 25}, 640, 480), (PartRect{0, 0, 97, 25}));
    EXPECT_EQ(editor::PlaceBoxOrObject(PartRect{700, 900, 97, 25}, 640, 480), (PartRect{608, 448, 97, 25}));
    // The accessory text box also grows to 32 x 32.
    EXPECT_EQ(editor::PlaceAccessoryTextBox(PartRect{-5, 500, 10, 0}, 640, 480), (PartRect{0, 448, 32, 32}));
    // A label lies wholly inside.
    EXPECT_EQ(editor::PlaceLabel(PartRect{630, -3, 60, 17}, 640, 480), (PartRect{580, 0, 60, 17}));
}

TEST(FindControlsRules, APictureSmallerThanThePartNeverGivesANegativePlace) {
    EXPECT_EQ(editor::PlaceBoxOrObject(PartRect{50, 50, 97, 25}, 0, 0), (PartRect{0, 0, 97, 25}));
    EXPECT_EQ(editor::PlaceLabel(PartRect{50, 50, 60, 17}, 40, 10), (PartRect{0, 0, 60, 17}));
}
