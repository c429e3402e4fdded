#include "Platform.h"

#include <cstdio>
#include <cstdlib>

namespace {
std::unique_ptr<Platform>& installed() {
    static std::unique_ptr<Platform> backend;
    return backend;
}
}  // namespace

Platform& platform() {
    if (!installed()) {
        std::fputs("tessary: no platform backend installed\n", stderr);
        std::abort();
    }
    return *installed();
}

void installPlatform(std::unique_ptr<Platform> backend) { installed() = std::move(backend); }
