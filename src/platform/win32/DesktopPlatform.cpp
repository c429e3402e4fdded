#include "DesktopPlatform.h"

#include "Win32Platform.h"

std::unique_ptr<Platform> desktopPlatform() { return std::make_unique<Win32Platform>(); }
