#include "Surface.h"

#include <algorithm>

// What both image libraries share: a size they can hold, and an empty surface rather than
// an abort where they refuse even that (the program goes on and draws what fits).
void Surface::allocate(std::int32_t width, std::int32_t height) {
    width_ = std::clamp(width, 0, LARGEST_SIDE);
    height_ = std::clamp(height, 0, LARGEST_SIDE);
    if (width_ > 0 && height_ > 0 && !allocatePixels()) width_ = height_ = 0;
    fillRect(0, 0, width_, height_, rgb(255, 255, 255));
}

void Surface::resize(std::int32_t width, std::int32_t height) {
    Surface resized(width, height);
    resized.blit(0, 0, width_, height_, *this, 0, 0);
    swap(resized);  // the old pixels and whatever holds them leave with `resized`
}
