#pragma once
// The native controls as HTML elements over the canvas: a <button>, a check box in its
// <label>, an <input type=text>, and a scroll bar built of elements (two arrows, a trough
// and a thumb). Each reports to the page's queue with its handle in lParam, as a Win32
// control reports to its parent: WM_COMMAND with BN_CLICKED, WM_HSCROLL with the SB_ codes.
#include <cstdint>
#include <map>

#include "Messages.h"

class WebControls {
public:
    enum class Role { PushButton, CheckBox, ScrollBar, EditBox };

    WebControls();

    void create(NativeHandle handle, Role role, const char* text, bool vertical);
    bool exists(NativeHandle handle) const { return roles_.count(handle) != 0; }
    // Answers whether it had the keys.
    bool destroy(NativeHandle handle);
    // The position, the size or both, in client coordinates.
    void place(NativeHandle handle, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
               std::uint32_t flags);
    void focus(NativeHandle handle);

    // Only the program changes the mark; a click only reports.
    void setCheckMark(NativeHandle handle, bool checked);
    // Set by user edits only.
    bool editModified(NativeHandle handle);
    void clearEditModified(NativeHandle handle);
    // Copies at most size - 1 bytes of the text as UTF-8 and a terminator; answers the number copied.
    std::int32_t editText(NativeHandle handle, char* buffer, std::int32_t size);
    void setEditText(NativeHandle handle, const char* text);

    // The bar keeps its position inside its range and shows only what is set here.
    void setScrollRange(NativeHandle handle, std::int32_t minimum, std::int32_t maximum);
    void setScrollPosition(NativeHandle handle, std::int32_t position);
    std::int32_t scrollPosition(NativeHandle handle) const;

private:
    struct Bar {
        std::int32_t minimum = 0, maximum = 100, position = 0;
    };
    bool is(NativeHandle handle, Role role) const;
    void showBar(NativeHandle handle, const Bar& bar);

    std::map<NativeHandle, Role> roles_;
    std::map<NativeHandle, Bar> bars_;
};
