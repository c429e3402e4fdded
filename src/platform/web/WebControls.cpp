#include "WebControls.h"

#include <emscripten.h>

#include <algorithm>

// clang-format off
EM_JS(void, tessary_control_create, (NativeHandle handle, std::int32_t role, const char* text, bool vertical), {
    const page = Module.page;
    const clicked = event => { event.preventDefault(); page.post(0x111, 0, handle); };
    let element;
    if (role === 0) {
        element = document.createElement('button');
        element.textContent = UTF8ToString(text);
        element.addEventListener('click', clicked);
    } else if (role === 1) {
        /* The click only reports; the mark is the program's. */
        element = document.createElement('label');
        element.box = document.createElement('input');
        element.box.type = 'checkbox';
        element.box.tabIndex = -1;
        element.append(element.box, UTF8ToString(text));
        element.addEventListener('click', clicked);
    } else if (role === 2) {
        element = Module.tessaryScrollBar(handle, vertical);
    } else {
        element = document.createElement('input');
        element.type = 'text';
        element.spellcheck = false;
        element.autocomplete = 'off';
        element.modified = false;
        element.addEventListener('input', () => { element.modified = true; });
    }
    element.classList.add('control');
    page.controls.set(handle, element);
    document.getElementById('controls').append(element);
});

/* Which part of the bar a point lies on and where its parts are, in pixels along it: the arrows
   are as long as the bar is thick (less on a short bar), the thumb is square and hidden where
   the trough has no room for it. */
EM_JS(void, tessary_scroll_bar_script, (), {
    Module.tessaryScrollBar = (handle, vertical) => {
        const page = Module.page;
        const bar = document.createElement('div');
        bar.className = vertical ? 'scrollbar vertical' : 'scrollbar';
        const back = document.createElement('div'), forward = document.createElement('div');
        const thumb = document.createElement('div');
        back.className = 'arrow back';
        forward.className = 'arrow forward';
        thumb.className = 'thumb';
        bar.append(back, forward, thumb);
        bar.minimum = 0; bar.maximum = 100; bar.position = 0;
        const geometry = () => {
            const length = vertical ? bar.clientHeight : bar.clientWidth;
            const thickness = vertical ? bar.clientWidth : bar.clientHeight;
            const arrow = Math.min(thickness, Math.floor(length / 2));
            const trough = length - 2 * arrow, size = trough >= thickness ? thickness : 0;
            const span = bar.maximum - bar.minimum;
            const start = arrow + (span > 0 ? Math.round((bar.position - bar.minimum) * (trough - size) / span) : 0);
            return {length, thickness, arrow, trough, size, start};
        };
        bar.layout = () => {
            const g = geometry();
            const place = (element, start, length) => {
                element.style[vertical ? 'top' : 'left'] = start + 'px';
                element.style[vertical ? 'height' : 'width'] = length + 'px';
                element.style[vertical ? 'width' : 'height'] = g.thickness + 'px';
            };
            place(back, 0, g.arrow);
            place(forward, g.length - g.arrow, g.arrow);
            place(thumb, g.start, g.size);
            thumb.style.display = g.size > 0 ? "block" : "none";
        };
        const report = (code, position) => page.post(vertical ? 0x115 : 0x114, ((position & 0xFFFF) << 16) | code, handle);
        const along = event => {
            const box = bar.getBoundingClientRect();
            return vertical ? event.clientY - box.top : event.clientX - box.left;
        };
        let held = null, timer = 0;
        /* Arrows and trough repeat while held, the trough until the thumb reaches the pointer. */
        const repeat = () => {
            const g = geometry();
            if (held.code >= 2 && held.at >= g.start && held.at < g.start + g.size) return;
            report(held.code, 0);
            timer = setTimeout(repeat, 50);
        };
        bar.addEventListener('pointerdown', event => {
            event.preventDefault();
            if (event.button !== 0 || held !== null || page.ended) return;
            bar.setPointerCapture(event.pointerId);
            const g = geometry(), at = along(event);
            held = {at, tracked: null};
            if (at < g.arrow) held.code = 0;
            else if (at >= g.length - g.arrow) held.code = 1;
            else if (g.size > 0 && at >= g.start && at < g.start + g.size) held.grab = at - g.start;
            else held.code = at < g.start ? 2 : 3;
            if (held.grab !== undefined) return;
            report(held.code, 0);
            timer = setTimeout(repeat, 350);
        });
        bar.addEventListener('pointermove', event => {
            if (held === null) return;
            held.at = along(event);
            if (held.grab === undefined) return;
            const g = geometry(), room = g.trough - g.size;
            const wanted = bar.minimum + (room > 0 ? Math.round((held.at - held.grab - g.arrow) * (bar.maximum - bar.minimum) / room) : 0);
            const position = Math.max(bar.minimum, Math.min(bar.maximum, wanted));
            if (position === held.tracked) return;
            held.tracked = position;
            report(5, position);
        });
        const release = () => {
            if (held === null) return;
            clearTimeout(timer);
            if (held.tracked !== null) report(4, held.tracked);
            report(8, 0);
            held = null;
        };
        bar.addEventListener('pointerup', release);
        bar.addEventListener('pointercancel', release);
        return bar;
    };
});

EM_JS(bool, tessary_control_remove, (NativeHandle handle), {
    const controls = Module.page.controls, element = controls.get(handle);
    controls.delete(handle);
    const focused = element.contains(document.activeElement);
    element.remove();
    return focused;
});

EM_JS(void, tessary_control_place, (NativeHandle handle, std::int32_t x, std::int32_t y, std::int32_t width,
                                    std::int32_t height, bool move, bool size), {
    const element = Module.page.controls.get(handle);
    if (move) { element.style.left = x + 'px'; element.style.top = y + 'px'; }
    if (size) { element.style.width = width + 'px'; element.style.height = height + 'px'; }
    if (element.layout) element.layout();
});

EM_JS(void, tessary_control_focus, (NativeHandle handle), {
    Module.page.controls.get(handle).focus({preventScroll: true});
});

EM_JS(void, tessary_check_mark, (NativeHandle handle, bool checked), {
    Module.page.controls.get(handle).box.checked = checked;
});

EM_JS(bool, tessary_edit_modified, (NativeHandle handle), { return Module.page.controls.get(handle).modified; });

EM_JS(void, tessary_edit_clear_modified, (NativeHandle handle), { Module.page.controls.get(handle).modified = false; });

EM_JS(std::int32_t, tessary_edit_text, (NativeHandle handle, char* buffer, std::int32_t size), {
    return stringToUTF8(Module.page.controls.get(handle).value, buffer, size);
});

EM_JS(void, tessary_edit_set_text, (NativeHandle handle, const char* text), {
    Module.page.controls.get(handle).value = UTF8ToString(text);
});

EM_JS(void, tessary_scroll_show, (NativeHandle handle, std::int32_t minimum, std::int32_t maximum,
                                  std::int32_t position), {
    const bar = Module.page.controls.get(handle);
    bar.minimum = minimum;
    bar.maximum = maximum;
    bar.position = position;
    bar.layout();
});
// clang-format on

WebControls::WebControls() { tessary_scroll_bar_script(); }

void WebControls::create(NativeHandle handle, Role role, const char* text, bool vertical) {
    tessary_control_create(handle, static_cast<std::int32_t>(role), text == nullptr ? "" : text, vertical);
    roles_[handle] = role;
    if (role == Role::ScrollBar) showBar(handle, bars_[handle]);
}

bool WebControls::destroy(NativeHandle handle) {
    if (!exists(handle)) return false;
    roles_.erase(handle);
    bars_.erase(handle);
    return tessary_control_remove(handle);
}

void WebControls::place(NativeHandle handle, std::int32_t x, std::int32_t y, std::int32_t width,
                        std::int32_t height, std::uint32_t flags) {
    if (exists(handle))
        tessary_control_place(handle, x, y, width, height, (flags & SWP_NOMOVE) == 0, (flags & SWP_NOSIZE) == 0);
}

void WebControls::focus(NativeHandle handle) {
    if (exists(handle)) tessary_control_focus(handle);
}

void WebControls::setCheckMark(NativeHandle handle, bool checked) {
    if (is(handle, Role::CheckBox)) tessary_check_mark(handle, checked);
}

bool WebControls::editModified(NativeHandle handle) {
    return is(handle, Role::EditBox) && tessary_edit_modified(handle);
}

void WebControls::clearEditModified(NativeHandle handle) {
    if (is(handle, Role::EditBox)) tessary_edit_clear_modified(handle);
}

std::int32_t WebControls::editText(NativeHandle handle, char* buffer, std::int32_t size) {
    if (size <= 0) return 0;
    if (!is(handle, Role::EditBox)) {
        buffer[0] = '\0';
        return 0;
    }
    return tessary_edit_text(handle, buffer, size);
}

void WebControls::setEditText(NativeHandle handle, const char* text) {
    if (is(handle, Role::EditBox)) tessary_edit_set_text(handle, text == nullptr ? "" : text);
}

void WebControls::setScrollRange(NativeHandle handle, std::int32_t minimum, std::int32_t maximum) {
    auto found = bars_.find(handle);
    if (found == bars_.end()) return;
    Bar& bar = found->second;
    bar.minimum = minimum;
    bar.maximum = std::max(minimum, maximum);
    bar.position = std::clamp(bar.position, bar.minimum, bar.maximum);
    showBar(handle, bar);
}

void WebControls::setScrollPosition(NativeHandle handle, std::int32_t position) {
    auto found = bars_.find(handle);
    if (found == bars_.end()) return;
    Bar& bar = found->second;
    bar.position = std::clamp(position, bar.minimum, bar.maximum);
    showBar(handle, bar);
}

std::int32_t WebControls::scrollPosition(NativeHandle handle) const {
    auto found = bars_.find(handle);
    return found == bars_.end() ? 0 : found->second.position;
}

bool WebControls::is(NativeHandle handle, Role role) const {
    auto found = roles_.find(handle);
    return found != roles_.end() && found->second == role;
}

void WebControls::showBar(NativeHandle handle, const Bar& bar) {
    tessary_scroll_show(handle, bar.minimum, bar.maximum, bar.position);
}
