// Picture content for the benchmarks: smooth gradients with a little noise,
// like photographs and rendered buttons, so that compression does realistic
// work.
#pragma once
#include <cstdint>

#include "shared/MenuType.h"

namespace bench {

PicRef GradientPicture(int width, int height, uint32_t seed);

// A big menu: 100 graphical buttons with 4 states of 10 frames of 200 x 60,
// and a 1024 x 768 background.
std::unique_ptr<TAQMenu> LargeMenu();

// A 1920 x 1080 background with many transparent runs: rows of short
// transparent stripes of varying length between opaque ones.
PicRef ManyRunsBackground(uint32_t key);

}  // namespace bench
