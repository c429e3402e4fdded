#include "VariableWidth.h"

#include "Panel.h"
#include "ScaledLength.h"
#include "Window.h"

void VariableWidth::update() {
    const std::int32_t newWidth = scaledLength(owner->window->width, widthFactor);
    const std::int32_t newHeight = scaledLength(owner->window->height, heightFactor);
    // Compared with the panel itself, so a panel resized by anyone else is put back.
    if (newWidth != owner->width || newHeight != owner->height) owner->resize(newWidth, newHeight);
}
