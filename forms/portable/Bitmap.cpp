#include "forms/portable/Bitmap.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace forms {

Bitmap::Bitmap(int width, int height, uint32_t fill) { SetSize(width, height, fill); }

Bitmap::Bitmap(int width, int height, uint32_t* pixels, std::shared_ptr<const void> block)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      count_(static_cast<size_t>(width_) * static_cast<size_t>(height_)),
      pixels_(count_ > 0 ? pixels : nullptr),
      block_(count_ > 0 ? std::move(block) : nullptr) {}

Bitmap::Bitmap(const Bitmap& other) {
    Allocate(other.width_, other.height_);
    if (count_ > 0) std::memcpy(pixels_, other.pixels_, count_ * sizeof(uint32_t));
}

Bitmap& Bitmap::operator=(const Bitmap& other) {
    if (this != &other) *this = Bitmap(other);
    return *this;
}

Bitmap::Bitmap(Bitmap&& other) noexcept
    : width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      count_(std::exchange(other.count_, 0)),
      pixels_(std::exchange(other.pixels_, nullptr)),
      own_(std::move(other.own_)),
      block_(std::move(other.block_)) {}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    if (this != &other) {
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
        count_ = std::exchange(other.count_, 0);
        pixels_ = std::exchange(other.pixels_, nullptr);
        own_ = std::move(other.own_);
        block_ = std::move(other.block_);
    }
    return *this;
}

void Bitmap::Allocate(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    count_ = static_cast<size_t>(width_) * static_cast<size_t>(height_);
    block_.reset();
    // Default-initialised: the caller writes every pixel.
    own_.reset(count_ > 0 ? new uint32_t[count_] : nullptr);
    pixels_ = own_.get();
}

void Bitmap::SetSize(int width, int height, uint32_t fill) {
    Allocate(width, height);
    Fill(fill);
}

void Bitmap::Fill(uint32_t value) { std::fill_n(pixels_, count_, value); }

bool Bitmap::operator==(const Bitmap& o) const {
    return width_ == o.width_ && height_ == o.height_ &&
           (count_ == 0 || std::memcmp(pixels_, o.pixels_, count_ * sizeof(uint32_t)) == 0);
}

}  // namespace forms
