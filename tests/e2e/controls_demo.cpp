// One of each native control in a grey panel, each reporting its callback on standard
// output, so that the end-to-end tests can drive the real widgets.
#include <cstdio>
#include <memory>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "Button.h"
#include "CheckBox.h"
#include "DesktopPlatform.h"
#include "Panel.h"
#include "ScrollBar.h"
#include "TextBox.h"
#include "VariableWidth.h"
#include "Window.h"

namespace {
void buttonClicked(void*) { std::printf("button\n"); }
void checkChanged(std::int32_t checked, void*) { std::printf("check %d\n", checked); }
void scrolled(ScrollBar* bar, void*) { std::printf("scroll %d\n", bar->position); }

void textChanged(void*, char* text) {
    std::printf("text %s\n", text);
    delete[] text;
}
}  // namespace

int main() {
    std::unique_ptr<Platform> backend = desktopPlatform();
    if (backend == nullptr) {
        std::fprintf(stderr, "controls_demo: no X display\n");
        return 1;
    }
    // The tests read each line as soon as it is written, and as it is written: "\n", also on Windows.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    installPlatform(std::move(backend));
    auto* window = new Window("Controls demo", 0, 0, 400, 200);
    Panel* frame = window->createPanel(400, 200);
    frame->red = frame->green = frame->blue = 200;
    frame->clear();
    frame->addObject(new VariableWidth(1.0f, 1.0f));

    auto* button = new Button(window, 10, 10, 80, 24, "Press");
    button->callback = buttonClicked;
    auto* check = new CheckBox(window, 10, 44, 120, 20, "Check");
    check->callback = checkChanged;
    auto* bar = new ScrollBar(window, 10, 80, 300, 17, 0);
    bar->callback = scrolled;
    auto* text = new TextBox(window, 10, 110, 150, 22);
    text->callback = textChanged;
    for (Control* control : {static_cast<Control*>(button), static_cast<Control*>(check),
                             static_cast<Control*>(bar), static_cast<Control*>(text)})
        frame->addControl(control);

    runMainLoop(*window);
    delete window;  // with its panel and controls
    return 0;
}
