#pragma once
// A window on the headless backend, driven frame by frame.
#include <gtest/gtest.h>

#include <memory>

#include "HeadlessPlatform.h"
#include "Window.h"

class HeadlessFixture : public ::testing::Test {
protected:
    HeadlessFixture() {
        auto backend = std::make_unique<HeadlessPlatform>();
        headless = backend.get();
        installPlatform(std::move(backend));
    }
    ~HeadlessFixture() override {
        delete window;
        installPlatform(nullptr);
    }

    Window& openWindow(std::int32_t width = 600, std::int32_t height = 600) {
        window = new Window("test", 0, 0, width, height);
        return *window;
    }

    // One frame with the cursor at (x, y) of the client area, after the message if one is given.
    void frameAt(std::int32_t x, std::int32_t y, std::uint32_t message = 0) {
        if (message != 0) headless->post(message);
        headless->setCursor(x, y);
        window->update();
    }
    void press(std::int32_t x, std::int32_t y) { frameAt(x, y, WM_LBUTTONDOWN); }
    void release(std::int32_t x, std::int32_t y) { frameAt(x, y, WM_LBUTTONUP); }
    void click(std::int32_t x, std::int32_t y) {
        press(x, y);
        release(x, y);
    }

    HeadlessPlatform* headless = nullptr;
    Window* window = nullptr;
};
