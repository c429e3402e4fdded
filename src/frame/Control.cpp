#include "Control.h"

#include <algorithm>

#include "Platform.h"

void Control::move(std::int32_t newX, std::int32_t newY) {
    x = newX;
    y = newY;
    platform().setWindowPos(handle, x, y, 0, 0, SWP_NOSIZE);
    platform().invalidate(handle);
}

void Control::resize(std::int32_t newWidth, std::int32_t newHeight) {
    width = std::max(0, newWidth);
    height = std::max(0, newHeight);
    platform().setWindowPos(handle, 0, 0, width, height, SWP_NOMOVE);
    platform().invalidate(handle);
}
