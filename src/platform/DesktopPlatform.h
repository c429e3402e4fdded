#pragma once
// The backend of the desktop this build is for: FLTK on Linux, Win32 on Windows. Each
// backend's folder defines it.
#include <memory>

#include "Platform.h"

// Null when there is no desktop to open windows on.
std::unique_ptr<Platform> desktopPlatform();
