#pragma once
#include "Control.h"

// text is a 256-byte heap buffer (new char[256]) that the callee owns and releases with delete[].
using TextBoxCallback = void (*)(void* userData, char* text);

// A native single-line edit box; it reports each frame in which the user changed its text.
class TextBox : public Control {
public:
    TextBox(Window* window, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
    ~TextBox() override;

    void setText(const char* text);
    void poll() override;
    void activate() override;

    TextBoxCallback callback = nullptr;
    void* userData = nullptr;
};
