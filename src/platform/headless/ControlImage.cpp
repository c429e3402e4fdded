#include "ControlImage.h"

#include <algorithm>

namespace {
const Colour FACE = rgb(220, 220, 220);
const Colour EDGE = rgb(100, 100, 100);
const Colour WHITE = rgb(255, 255, 255);
const Colour BLACK = rgb(0, 0, 0);

void frame(Surface& target, std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b, Colour fill) {
    target.fillRect(l, t, r, b, EDGE);
    target.fillRect(l + 1, t + 1, r - 1, b - 1, fill);
}

void drawScrollBar(const HeadlessControl& bar, Surface& target, std::int32_t x, std::int32_t y, std::int32_t w,
                   std::int32_t h) {
    frame(target, x, y, x + w, y + h, FACE);
    const std::int32_t span = std::max(1, bar.scrollMax - bar.scrollMin);
    const std::int32_t thumb = std::max(8, h);
    const std::int32_t travel = std::max(0, w - thumb);
    const std::int32_t left = x + static_cast<std::int32_t>(static_cast<std::int64_t>(travel) *
                                                               (bar.scrollPos - bar.scrollMin) / span);
    frame(target, left, y, left + thumb, y + h, rgb(160, 160, 160));
}

void drawCheckBox(const HeadlessControl& box, Surface& target, std::int32_t x, std::int32_t y, std::int32_t h) {
    const std::int32_t top = y + (h - 13) / 2;
    frame(target, x, top, x + 13, top + 13, WHITE);
    if (box.checkMark != 0) target.fillRect(x + 3, top + 3, x + 10, top + 10, BLACK);
    target.drawText(x + 17, top, box.text.c_str());
}
}  // namespace

void drawControlImage(const HeadlessControl& control, Surface& target, std::int32_t x, std::int32_t y,
                      std::int32_t width, std::int32_t height) {
    switch (control.role) {
    case HeadlessControl::Role::ScrollBar: drawScrollBar(control, target, x, y, width, height); break;
    case HeadlessControl::Role::CheckBox: drawCheckBox(control, target, x, y, height); break;
    case HeadlessControl::Role::PushButton:
        frame(target, x, y, x + width, y + height, FACE);
        target.drawText(x + 6, y + (height - 13) / 2, control.text.c_str());
        break;
    case HeadlessControl::Role::EditBox:
        frame(target, x, y, x + width, y + height, WHITE);
        target.drawText(x + 3, y + (height - 13) / 2, control.text.c_str());
        break;
    }
}
