#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "MouseState.h"

class Window;
class Object;
class Control;
class Surface;

// A rectangle of the window with its own off-screen bitmap, its scene objects, the native
// controls shown over it and its child panels. A panel deletes what its lists still hold
// when it is destroyed, children first.
class Panel {
public:
    Panel(Window* window, std::int32_t width, std::int32_t height);
    ~Panel();
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;

    Panel* createChild(std::int32_t width, std::int32_t height);
    void addObject(Object* object);
    void addControl(Control* control);
    void removeObject(Object* object);
    void removeControl(Control* control);

    void update();
    void refresh();
    void repaint();
    void resize(std::int32_t newWidth, std::int32_t newHeight);
    void clear();
    void drawObjects();
    void blitChildren();
    void blitControls();

    // Primitives in panel pixels; only the low 8 bits of a colour channel count.
    void drawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t penWidth,
                  std::int32_t red, std::int32_t green, std::int32_t blue);
    void fillRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom, std::int32_t red,
                  std::int32_t green, std::int32_t blue);
    void drawCircle(std::int32_t centreX, std::int32_t centreY, std::int32_t radius, std::int32_t penWidth,
                    std::int32_t fillRed, std::int32_t fillGreen, std::int32_t fillBlue, std::int32_t lineRed,
                    std::int32_t lineGreen, std::int32_t lineBlue);
    void drawDisc(std::int32_t centreX, std::int32_t centreY, std::int32_t radius, std::int32_t red,
                  std::int32_t green, std::int32_t blue);
    void drawText(std::int32_t x, std::int32_t y, const char* text);

    const Surface& bitmap() const { return *backBuffer; }

    MouseState mouse;
    std::int32_t mouseInside = 0;
    std::int32_t dirty = 1;
    std::int32_t width, height;
    std::int32_t x = 0, y = 0;
    std::uint8_t red = 0, green = 0, blue = 0;
    std::vector<Object*> objects;
    std::vector<Control*> controls;
    std::vector<Panel*> children;
    Panel* parent = nullptr;
    Window* window;

private:
    void redraw();
    void copyToWindow();

    std::unique_ptr<Surface> backBuffer;
};
