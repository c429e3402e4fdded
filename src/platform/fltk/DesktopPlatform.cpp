#include "DesktopPlatform.h"

#include "FltkPlatform.h"

std::unique_ptr<Platform> desktopPlatform() {
    if (!FltkPlatform::displayAvailable()) return nullptr;
    return std::make_unique<FltkPlatform>();
}
