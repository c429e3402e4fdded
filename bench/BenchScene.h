#pragma once
// The whole program's scene on the headless backend, with points placed as clicks place them;
// the desktop's benchmarks and the browser's redraw times share it.
#include <memory>
#include <utility>

#include "ControlManager.h"
#include "ControlPoint.h"
#include "HeadlessPlatform.h"
#include "Panel.h"
#include "Scene.h"
#include "ScrollBar.h"
#include "Tab.h"
#include "Window.h"

class BenchScene {
public:
    BenchScene() {
        auto backend = std::make_unique<HeadlessPlatform>();
        headless = backend.get();
        installPlatform(std::move(backend));
        window = new Window("bench", 0, 0, 600, 600);
        scene = buildScene(*window);
        window->update();
    }
    ~BenchScene() {
        tearDownScene(scene);
        delete window;
        installPlatform(nullptr);
    }

    void select(std::size_t entry) {
        scene.tab->select(entry);
        window->update();
    }

    // A zig-zag across the drawing panel, placed the way the manager places clicked points.
    void addPoints(int count) {
        const Panel& panel = *scene.drawingPanel;
        for (int i = 0; i < count; ++i) {
            const int x = 20 + (panel.width - 40) * i / (count > 1 ? count - 1 : 1);
            const int y = (i % 2 == 0) ? 40 + (i * 7) % 60 : panel.height - 40 - (i * 11) % 60;
            auto* point = new ControlPoint(x, y, 6);
            scene.drawingPanel->addObject(point);
            scene.manager->points.push_back(point);
        }
    }

    // The construction's resolution bar: the one bar whose range is not the default 0..1000.
    ScrollBar* resolutionBar() {
        for (Control* control : scene.framePanel->controls) {
            auto* bar = dynamic_cast<ScrollBar*>(control);
            if (bar != nullptr && headless->control(bar->handle)->scrollMax != 1000) return bar;
        }
        return nullptr;
    }

    HeadlessPlatform* headless = nullptr;
    Window* window = nullptr;
    Scene scene;
};
