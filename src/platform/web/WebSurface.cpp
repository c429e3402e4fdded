#include "WebSurface.h"

#include <emscripten.h>

#include <new>
#include <utility>

// Draws the text with the page's sans-serif at 12 pixels (as the desktop programs), its
// top-left corner at (x, y), black on a transparent background: each pixel of the surface
// darkens by the glyphs' coverage. Answers the rectangle it touched in area[0..3].
// clang-format off
EM_JS(void, tessary_blend_text, (std::uint32_t* pixels, std::int32_t width, std::int32_t height, std::int32_t x,
                                 std::int32_t y, const char* text, std::int32_t* area), {
    HEAP32.fill(0, area >> 2, (area >> 2) + 4);
    /* Without a page (the redraw times under node) there are no fonts: no text. */
    if (typeof document === 'undefined') return;
    if (!Module.textCanvas) {
        Module.textCanvas = document.createElement('canvas');
        Module.textContext = Module.textCanvas.getContext('2d', {willReadFrequently: true});
    }
    const canvas = Module.textCanvas;
    let context = Module.textContext;
    const string = UTF8ToString(text);
    const font = '12px sans-serif';
    context.font = font;
    const metrics = context.measureText(string);
    const ascent = Math.round(metrics.fontBoundingBoxAscent);
    const pad = 2;
    const left = Math.floor(-metrics.actualBoundingBoxLeft) - pad;
    const w = Math.ceil(metrics.actualBoundingBoxRight) - left + pad;
    const h = ascent + Math.ceil(metrics.fontBoundingBoxDescent) + 2 * pad;
    if (canvas.width < w || canvas.height < h) {
        canvas.width = Math.max(canvas.width, w);
        canvas.height = Math.max(canvas.height, h);
        context.font = font;
    }
    context.clearRect(0, 0, w, h);
    context.fillStyle = 'black';
    context.fillText(string, -left, pad + ascent);
    const x0 = Math.max(x + left, 0), y0 = Math.max(y - pad, 0);
    const x1 = Math.min(x + left + w, width), y1 = Math.min(y - pad + h, height);
    HEAP32[(area >> 2) + 0] = x0; HEAP32[(area >> 2) + 1] = y0;
    HEAP32[(area >> 2) + 2] = x1; HEAP32[(area >> 2) + 3] = y1;
    if (x1 <= x0 || y1 <= y0) return;
    const ink = context.getImageData(x0 - x - left, y0 - y + pad, x1 - x0, y1 - y0).data;
    for (let row = 0; row < y1 - y0; row++) {
        let word = (pixels >> 2) + (y0 + row) * width + x0;
        for (let i = row * (x1 - x0) * 4 + 3, end = i + (x1 - x0) * 4; i < end; i += 4, word++) {
            const cover = ink[i];
            if (cover === 0) continue;
            const p = HEAPU32[word], keep = 255 - cover;
            const r = ((p >>> 16) & 255) * keep / 255, g = ((p >>> 8) & 255) * keep / 255, b = (p & 255) * keep / 255;
            HEAPU32[word] = (Math.round(r) << 16) | (Math.round(g) << 8) | Math.round(b);
        }
    }
});
// clang-format on

std::unique_ptr<Surface> createSurface(std::int32_t width, std::int32_t height) {
    return std::make_unique<WebSurface>(width, height);
}

WebSurface::WebSurface(std::int32_t width, std::int32_t height) { allocate(width, height); }

bool WebSurface::allocatePixels() {
    const std::size_t count = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    // Nothing catches in the browser: a buffer that cannot be had leaves the surface empty.
    buffer_.reset(new (std::nothrow) std::uint32_t[count]);
    pixels_ = buffer_.get();
    stride_ = width_;
    return pixels_ != nullptr;
}

void WebSurface::swap(Surface& other) {
    Surface::swap(other);
    std::swap(buffer_, static_cast<WebSurface&>(other).buffer_);
}

void WebSurface::drawText(std::int32_t x, std::int32_t y, const char* text) {
    if (text == nullptr || *text == '\0' || pixels_ == nullptr) return;
    std::int32_t area[4];
    tessary_blend_text(pixels_, width_, height_, x, y, text, area);
    damage_.unite(Rect{area[0], area[1], area[2], area[3]});
}
