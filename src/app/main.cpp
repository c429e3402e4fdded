#include <cstdio>
#include <memory>

#include "DesktopPlatform.h"
#include "Scene.h"
#include "Window.h"

namespace {
// Names the author, the course and the assignment.
const char* const CAPTION = "Tessary A1: Curve Constructions - Plane Curves course - the tessary developers";
}

int main() {
    std::unique_ptr<Platform> backend = desktopPlatform();
    if (backend == nullptr) {
        std::fprintf(stderr, "tessary: no X display; run it on a desktop, or headless as: xvfb-run -a make run\n");
        return 1;
    }
    installPlatform(std::move(backend));
    Window* window = new Window(CAPTION, 0, 0, 600, 600);
    Scene scene = buildScene(*window);
    runMainLoop(*window);
    tearDownScene(scene);
    delete window;
    return 0;
}
