#include "Win32Platform.h"

#include <windows.h>

namespace {

HWND hwndOf(NativeHandle handle) { return reinterpret_cast<HWND>(handle); }
NativeHandle handleOf(HWND hwnd) { return reinterpret_cast<NativeHandle>(hwnd); }
HINSTANCE module() { return GetModuleHandleA(nullptr); }

// The program's procedure of each registered class. Windows calls `route`, which hands the
// message on untouched.
std::map<std::string, WindowProcedure>& procedures() {
    static std::map<std::string, WindowProcedure> registered;
    return registered;
}

// True while the program dispatches a message it has peeked.
bool dispatching = false;

// The program acts on messages only while it dispatches them. Windows sizes and minimises
// a window inside that dispatch (the frame's modal loop), but Wine hands the window
// manager's resizing and minimising over as messages sent while the program only peeks:
// those two wait in the queue for the next dispatch, so the layout follows there too.
bool deferred(UINT message) { return !dispatching && (message == WM_SIZE || message == WM_ACTIVATE); }

LRESULT CALLBACK route(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    char name[256];
    if (GetClassNameA(hwnd, name, sizeof name) > 0) {
        const auto found = procedures().find(name);
        if (found != procedures().end()) {
            if (!deferred(message)) return found->second(handleOf(hwnd), message, wParam, lParam);
            PostMessageA(hwnd, message, wParam, lParam);
        }
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

NativeHandle createChild(const char* className, const char* text, DWORD style, std::int32_t x, std::int32_t y,
                         std::int32_t width, std::int32_t height, NativeHandle parent) {
    return handleOf(CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                                    hwndOf(parent), nullptr, module(), nullptr));
}

// Child controls draw over the window; without WS_CLIPCHILDREN every panel copy to the
// window would paint over them.
constexpr DWORD MAIN_WINDOW_STYLE = WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN;

// Windows hands a release to the window under the pointer, X to the window that took the
// press. As on X, the polled window keeps the mouse from a press in its client area until the
// last button is up, so a drag ends where the button is let go, also outside the window.
void captureWhileButtonsDown(const MSG& message, HWND polled) {
    if (message.hwnd != polled) return;
    switch (message.message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: SetCapture(polled); break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if ((message.wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0) ReleaseCapture();
        break;
    default: break;
    }
}

Message messageOf(const MSG& native) {
    return Message{handleOf(native.hwnd), native.message, native.wParam, native.lParam};
}

}  // namespace

Win32Platform::Win32Platform()
    : paint(std::make_unique<PAINTSTRUCT>()), held(std::make_unique<MSG>()), handedOut(std::make_unique<MSG>()) {}

Win32Platform::~Win32Platform() = default;

bool Win32Platform::registerClass(const char* className, std::uint32_t style, WindowProcedure procedure) {
    WNDCLASSA windowClass{};
    windowClass.style = style;
    windowClass.lpfnWndProc = route;
    windowClass.hInstance = module();
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className;
    if (RegisterClassA(&windowClass) == 0) return false;
    procedures()[className] = procedure;
    return true;
}

void Win32Platform::unregisterClass(const char* className) {
    UnregisterClassA(className, module());
    procedures().erase(className);
}

NativeHandle Win32Platform::createWindow(const char* className, const char* title, std::int32_t x, std::int32_t y,
                                         std::int32_t clientWidth, std::int32_t clientHeight) {
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRect(&frame, MAIN_WINDOW_STYLE, FALSE);
    return handleOf(CreateWindowExA(0, className, title, MAIN_WINDOW_STYLE, x, y, frame.right - frame.left,
                                    frame.bottom - frame.top, nullptr, nullptr, module(), nullptr));
}

void Win32Platform::destroyWindow(NativeHandle window) {
    // The keys go back to the parent when their control goes, whatever Windows does itself.
    const HWND parent = GetFocus() == hwndOf(window) ? GetParent(hwndOf(window)) : nullptr;
    DestroyWindow(hwndOf(window));
    if (parent != nullptr) SetFocus(parent);
}

Size Win32Platform::clientSize(NativeHandle window) {
    RECT client{};
    GetClientRect(hwndOf(window), &client);
    return {client.right, client.bottom};
}

Surface* Win32Platform::getDC(NativeHandle window) {
    const Size size = clientSize(window);
    auto& context = contexts[window];
    context = std::make_unique<GdiSurface>(GetDC(hwndOf(window)), size.width, size.height);
    return context.get();
}

void Win32Platform::releaseDC(NativeHandle window, Surface* context) {
    if (context == nullptr) return;
    ReleaseDC(hwndOf(window), static_cast<GdiSurface*>(context)->deviceContext());  // made by getDC
    contexts.erase(window);
}

bool Win32Platform::peekMessage(NativeHandle filter, Message& message) {
    if (!holding) {
        if (!PeekMessageA(held.get(), hwndOf(filter), 0, 0, PM_REMOVE)) return false;
        captureWhileButtonsDown(*held, hwndOf(filter));
    }
    holding = true;
    // Nothing after a held message is handed out either, so the order stays.
    if (pressUnseen(filter) || pacer.holdsBack(messageOf(*held), filter)) return false;
    holding = false;
    *handedOut = *held;
    message = messageOf(*handedOut);
    pacer.handedOut(message, filter);
    return true;
}

void Win32Platform::dispatchMessage(const Message& message) {
    MSG native = *handedOut;
    native.hwnd = hwndOf(message.window);
    native.message = message.message;
    native.wParam = message.wParam;
    native.lParam = message.lParam;
    TranslateMessage(&native);
    dispatching = true;
    DispatchMessageA(&native);
    dispatching = false;
}

LRESULT Win32Platform::defWindowProc(NativeHandle window, std::uint32_t message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwndOf(window), message, wParam, lParam);
}

void Win32Platform::beginPaint(NativeHandle window) { BeginPaint(hwndOf(window), paint.get()); }

void Win32Platform::endPaint(NativeHandle window) { EndPaint(hwndOf(window), paint.get()); }

// The frame acts on a press where it saw the cursor. Wine's cursor position lags behind the
// pointer until the queue is read (up to 100 ms), so a quick move and click would land where
// the pointer was before: a press away from the seen cursor waits, and the next frame sees
// the cursor where the press was.
bool Win32Platform::pressUnseen(NativeHandle polled) const {
    return frameCursor && MessagePacer::isButtonPress(messageOf(*held), polled) &&
           (held->pt.x != frameCursor->x || held->pt.y != frameCursor->y);
}

Point Win32Platform::cursorPosition(NativeHandle window) {
    POINT cursor{};
    if (holding && MessagePacer::isButtonPress(messageOf(*held), window))
        cursor = held->pt;
    else
        GetCursorPos(&cursor);
    frameCursor = Point{cursor.x, cursor.y};
    ScreenToClient(hwndOf(window), &cursor);
    return {cursor.x, cursor.y};
}

void Win32Platform::sleep(std::int32_t milliseconds) {
    Sleep(static_cast<DWORD>(milliseconds));
    pacer.startFrame();
    frameCursor.reset();
}

NativeHandle Win32Platform::createSolidBrush(Colour colour) {
    return reinterpret_cast<NativeHandle>(CreateSolidBrush(colour));
}

void Win32Platform::deleteBrush(NativeHandle brush) { DeleteObject(reinterpret_cast<HGDIOBJ>(brush)); }

void Win32Platform::setTransparentBackground(NativeHandle context) {
    SetBkMode(reinterpret_cast<HDC>(context), TRANSPARENT);
}

NativeHandle Win32Platform::createPushButton(const char* text, std::int32_t x, std::int32_t y, std::int32_t width,
                                             std::int32_t height, NativeHandle parent) {
    return createChild("BUTTON", text, BS_PUSHBUTTON, x, y, width, height, parent);
}

// BS_CHECKBOX, not BS_AUTOCHECKBOX: the program sets the mark itself.
NativeHandle Win32Platform::createCheckBox(const char* text, std::int32_t x, std::int32_t y, std::int32_t width,
                                           std::int32_t height, NativeHandle parent) {
    return createChild("BUTTON", text, BS_CHECKBOX, x, y, width, height, parent);
}

NativeHandle Win32Platform::createScrollBar(bool vertical, std::int32_t x, std::int32_t y, std::int32_t width,
                                            std::int32_t height, NativeHandle parent) {
    return createChild("SCROLLBAR", nullptr, vertical ? SBS_VERT : SBS_HORZ, x, y, width, height, parent);
}

NativeHandle Win32Platform::createEditBox(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                                          NativeHandle parent) {
    // Scrolling sideways, the box takes text beyond its width, as FLTK's input does.
    return createChild("edit", nullptr, WS_BORDER | ES_AUTOHSCROLL, x, y, width, height, parent);
}

void Win32Platform::setWindowPos(NativeHandle control, std::int32_t x, std::int32_t y, std::int32_t width,
                                 std::int32_t height, std::uint32_t flags) {
    SetWindowPos(hwndOf(control), nullptr, x, y, width, height, flags);
}

void Win32Platform::invalidate(NativeHandle control) { InvalidateRect(hwndOf(control), nullptr, TRUE); }

void Win32Platform::setFocus(NativeHandle window) { SetFocus(hwndOf(window)); }

void Win32Platform::setCheckMark(NativeHandle checkBox, bool checked) {
    SendMessageA(hwndOf(checkBox), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32Platform::editModified(NativeHandle edit) { return SendMessageA(hwndOf(edit), EM_GETMODIFY, 0, 0) != 0; }

void Win32Platform::clearEditModified(NativeHandle edit) { SendMessageA(hwndOf(edit), EM_SETMODIFY, FALSE, 0); }

std::int32_t Win32Platform::getEditText(NativeHandle edit, char* buffer, std::int32_t size) {
    return GetWindowTextA(hwndOf(edit), buffer, size);
}

void Win32Platform::setEditText(NativeHandle edit, const char* text) { SetWindowTextA(hwndOf(edit), text); }

void Win32Platform::setScrollRange(NativeHandle control, std::int32_t minimum, std::int32_t maximum, bool redraw) {
    SetScrollRange(hwndOf(control), SB_CTL, minimum, maximum, redraw ? TRUE : FALSE);
}

void Win32Platform::setScrollPos(NativeHandle control, std::int32_t position, bool redraw) {
    SetScrollPos(hwndOf(control), SB_CTL, position, redraw ? TRUE : FALSE);
}

std::int32_t Win32Platform::getScrollPos(NativeHandle control) { return GetScrollPos(hwndOf(control), SB_CTL); }

void Win32Platform::copyControlImage(NativeHandle control, Surface& target, std::int32_t x, std::int32_t y,
                                     std::int32_t width, std::int32_t height) {
    HDC context = GetDC(hwndOf(control));
    {
        const GdiSurface image(context, width, height);
        target.blit(x, y, width, height, image, 0, 0);
    }
    ReleaseDC(hwndOf(control), context);
}
