#pragma once
// The page as the program's one window: a canvas filling the viewport shows the window's
// surface, the page's title is the caption, and the page's input, resizing and hiding come
// out as messages with the Win32 numbering.
#include <cstdint>
#include <memory>
#include <vector>

#include "Platform.h"

class WebPage {
public:
    explicit WebPage(const char* title);

    Surface& surface() { return *surface_; }
    // The viewport's size in CSS pixels, the client area.
    Size viewport() const;
    // The oldest input the page has not handed out yet (its window handle left 0).
    bool takeMessage(Message& message);
    // Where the pointer was last seen, in client coordinates.
    Point pointer() const;
    // A new client size for the surface and the canvas showing it.
    void resize(Size size);
    // Copies what was drawn on the surface since the last call to the canvas.
    void present();
    // Gives the keys to the drawing (no control has them).
    void focus();
    // The program has ended: the window closes where the browser lets a page close it, and
    // otherwise the last picture stays with a line saying so; the page takes no more input.
    void end();

private:
    std::unique_ptr<Surface> surface_;
    std::vector<std::uint32_t> rgba_;  // the damaged rectangle in the canvas's byte order
};
