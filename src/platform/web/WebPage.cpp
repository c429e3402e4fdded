#include "WebPage.h"

#include <emscripten.h>

#include "Raster.h"

// clang-format off
// The page's input becomes messages in page.queue (three numbers each), the pointer's place
// in page.x, page.y. Only the primary pointer counts, so a touch acts as the left button.
EM_JS(void, tessary_page_open, (const char* title), {
    document.title = UTF8ToString(title);
    const canvas = document.getElementById('window');
    const page = Module.page = {canvas, context: canvas.getContext('2d'), queue: [], x: 0, y: 0, down: 0,
                                ended: false, controls: new Map()};
    page.post = (message, wParam, lParam) => { if (!page.ended) page.queue.push(message, wParam, lParam); };
    const packed = (x, y) => ((y & 0xFFFF) << 16) | (x & 0xFFFF);
    const size = () => packed(innerWidth, innerHeight);
    /* By the event's button number: left, middle, right, back, forward: press and release messages,
       the bit in the event's buttons, the extra button's number. */
    const BUTTONS = [[0x201, 0x202, 1, 0], [0x207, 0x208, 4, 0], [0x204, 0x205, 2, 0], [0x20B, 0x20C, 8, 1],
                     [0x20B, 0x20C, 16, 2]];
    const follow = event => {
        if (event.isPrimary) { page.x = Math.floor(event.clientX); page.y = Math.floor(event.clientY); }
    };
    addEventListener('pointermove', follow, true);
    addEventListener('pointerdown', follow, true);
    addEventListener('pointerup', follow, true);
    /* A press on the canvas captures the pointer, so its release reaches the page wherever it happens.
       While one button is held, the others' changes come as moves. */
    const button = event => {
        const entry = BUTTONS[event.button];
        if (!event.isPrimary || entry === undefined) return;
        const down = event.type === 'pointerdown' || (event.type === 'pointermove' && (event.buttons & entry[2]) !== 0);
        if (down === ((page.down & entry[2]) !== 0)) return;
        page.down ^= entry[2];
        if (down) canvas.setPointerCapture(event.pointerId);
        page.post(down ? entry[0] : entry[1], entry[3] << 16, packed(page.x, page.y));
    };
    canvas.addEventListener('pointerdown', event => { follow(event); canvas.focus({preventScroll: true}); button(event); });
    canvas.addEventListener('pointermove', event => { if (event.button >= 0) button(event); });
    canvas.addEventListener('pointerup', button);
    canvas.addEventListener('pointercancel', () => {
        for (const entry of BUTTONS)
            if ((page.down & entry[2]) !== 0) { page.down ^= entry[2]; page.post(entry[1], entry[3] << 16, packed(page.x, page.y)); }
    });
    canvas.addEventListener('wheel', event => {
        event.preventDefault();
        if (event.deltaY !== 0) page.post(0x20A, ((event.deltaY < 0 ? 120 : -120) & 0xFFFF) << 16, packed(page.x, page.y));
    }, {passive: false});
    /* The keys belong to the drawing while no control has them; all of them, as on the desktop. */
    const key = event => {
        const target = event.target;
        if (target !== canvas && target !== document.body) return;
        event.preventDefault();
        const code = event.keyCode, system = event.altKey || code === 18;
        if (code <= 0 || code > 255) return;
        const down = event.type === 'keydown';
        page.post(system ? (down ? 0x104 : 0x105) : (down ? 0x100 : 0x101), code, 0);
    };
    addEventListener('keydown', key);
    addEventListener('keyup', key);
    addEventListener('contextmenu', event => { if (event.target.tagName !== 'INPUT') event.preventDefault(); });
    addEventListener('resize', () => { if (!document.hidden) page.post(0x0005, 0, size()); });
    /* A hidden page is a minimised window. */
    document.addEventListener('visibilitychange', () => {
        if (document.hidden) {
            page.post(0x0005, 1, 0);
            page.post(0x0006, 1 << 16, 0);
        } else {
            page.post(0x0006, 1, 0);
            page.post(0x0005, 0, size());
            canvas.focus({preventScroll: true});
        }
    });
    canvas.focus({preventScroll: true});
});

EM_JS(std::int32_t, tessary_page_viewport, (), { return ((innerHeight & 0xFFFF) << 16) | (innerWidth & 0xFFFF); });

EM_JS(bool, tessary_page_take, (std::uint32_t* message), {
    const queue = Module.page.queue;
    if (queue.length === 0) return false;
    HEAPU32[message >> 2] = queue.shift();
    HEAPU32[(message >> 2) + 1] = queue.shift();
    HEAP32[(message >> 2) + 2] = queue.shift();
    return true;
});

EM_JS(std::int32_t, tessary_page_pointer_x, (), { return Module.page.x; });
EM_JS(std::int32_t, tessary_page_pointer_y, (), { return Module.page.y; });

EM_JS(void, tessary_page_canvas_size, (std::int32_t width, std::int32_t height), {
    const canvas = Module.page.canvas;
    canvas.width = width;
    canvas.height = height;
});

EM_JS(void, tessary_page_put, (const std::uint32_t* rgba, std::int32_t x, std::int32_t y, std::int32_t width,
                               std::int32_t height), {
    const bytes = new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4);
    Module.page.context.putImageData(new ImageData(bytes, width, height), x, y);
});

EM_JS(void, tessary_page_focus, (), { Module.page.canvas.focus({preventScroll: true}); });

EM_JS(void, tessary_page_end, (), {
    const page = Module.page;
    page.ended = true;
    page.queue.length = 0;
    close();
    const notice = document.createElement('div');
    notice.id = 'ended';
    notice.textContent = 'tessary has ended. Reload the page to start it again.';
    document.body.append(notice);
});
// clang-format on

WebPage::WebPage(const char* title) {
    tessary_page_open(title);
    const Size size = viewport();
    surface_ = createSurface(size.width, size.height);
    tessary_page_canvas_size(surface_->width(), surface_->height());
}

Size WebPage::viewport() const {
    const std::uint32_t packed = static_cast<std::uint32_t>(tessary_page_viewport());
    return {lowWord(packed), highWord(packed)};
}

bool WebPage::takeMessage(Message& message) {
    std::uint32_t fields[3];
    if (!tessary_page_take(fields)) return false;
    message = Message{0, fields[0], fields[1], static_cast<std::int32_t>(fields[2])};
    return true;
}

Point WebPage::pointer() const { return {tessary_page_pointer_x(), tessary_page_pointer_y()}; }

void WebPage::resize(Size size) {
    surface_->resize(size.width, size.height);
    tessary_page_canvas_size(surface_->width(), surface_->height());
}

void WebPage::present() {
    const Rect area = surface_->damage();
    surface_->clearDamage();
    if (area.empty()) return;
    const std::int32_t width = area.right - area.left, height = area.bottom - area.top;
    rgba_.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    std::uint32_t* target = rgba_.data();
    // Our words are 0x00RRGGBB; the canvas takes bytes red, green, blue, alpha, a little-endian 0xAABBGGRR.
    for (std::int32_t y = area.top; y < area.bottom; ++y) {
        const std::uint32_t* source = surface_->row(y) + area.left;
        for (std::int32_t x = 0; x < width; ++x) *target++ = 0xFF000000u | Raster::swapRedBlue(source[x]);
    }
    tessary_page_put(rgba_.data(), area.left, area.top, width, height);
}

void WebPage::focus() { tessary_page_focus(); }

void WebPage::end() { tessary_page_end(); }
