#include "DesktopPlatform.h"

#include "WebPlatform.h"

// The page is always there to draw on.
std::unique_ptr<Platform> desktopPlatform() { return std::make_unique<WebPlatform>(); }
