// Every pen and brush is made for one call and released before it
// returns. GDI keeps the bounds of what it draws (SetBoundsRect), which is the damage.
// GDI takes coordinates of 27 bits at most (and Wine walks a huge ellipse pixel by pixel,
// for seconds): figures reaching farther are drawn by our Raster into the same pixels, so
// far-away points neither fail nor hang.
#include "GdiSurface.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <utility>

#include "BlitRun.h"

namespace {

constexpr std::int64_t kGdiReach = 1 << 26;
constexpr std::int64_t kLargestGdiEllipse = 1 << 16;  // twice the largest surface side

bool withinGdiReach(std::initializer_list<std::int64_t> coordinates) {
    for (const std::int64_t c : coordinates)
        if (c < -kGdiReach || c > kGdiReach) return false;
    return true;
}

// A rectangle clipped a pixel beyond the surface: the same pixels, and no coordinate that
// GDI's arithmetic could overflow.
RECT clipped(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom, std::int32_t width,
             std::int32_t height) {
    return {std::clamp(left, -1, width + 1), std::clamp(top, -1, height + 1), std::clamp(right, -1, width + 1),
            std::clamp(bottom, -1, height + 1)};
}

// Selects a pen or brush for one call and puts the previous one back before deleting it:
// GDI does not delete an object that is still selected.
class Selected {
public:
    Selected(HDC context, HGDIOBJ object) : context_(context), object_(object), previous_(SelectObject(context, object)) {}
    ~Selected() {
        SelectObject(context_, previous_);
        DeleteObject(object_);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC context_;
    HGDIOBJ object_;
    HGDIOBJ previous_;
};

}  // namespace

std::unique_ptr<Surface> createSurface(std::int32_t width, std::int32_t height) {
    return std::make_unique<GdiSurface>(width, height);
}

GdiSurface::GdiSurface(std::int32_t width, std::int32_t height) { allocate(width, height); }

GdiSurface::GdiSurface(HDC windowContext, std::int32_t width, std::int32_t height) : context_(windowContext) {
    width_ = width;
    height_ = height;
}

GdiSurface::~GdiSurface() { release(); }

bool GdiSurface::allocatePixels() {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // negative: rows top-down, like the Linux surface's
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    context_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(context_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap_ == nullptr) {
        DeleteDC(context_);
        context_ = nullptr;
        return false;
    }
    previousBitmap_ = SelectObject(context_, bitmap_);
    pixels_ = static_cast<std::uint32_t*>(bits);
    stride_ = width_;
    SetBoundsRect(context_, nullptr, DCB_ENABLE | DCB_RESET);
    return true;
}

void GdiSurface::release() {
    if (bitmap_ != nullptr) {
        SelectObject(context_, previousBitmap_);
        DeleteObject(bitmap_);
        DeleteDC(context_);
    }
    context_ = nullptr;
    bitmap_ = nullptr;
    pixels_ = nullptr;
}

void GdiSurface::swap(Surface& other) {
    Surface::swap(other);
    auto& gdi = static_cast<GdiSurface&>(other);
    std::swap(context_, gdi.context_);
    std::swap(bitmap_, gdi.bitmap_);
    std::swap(previousBitmap_, gdi.previousBitmap_);
}

void GdiSurface::collectDamage() {
    RECT bounds;
    if (bitmap_ == nullptr || GetBoundsRect(context_, &bounds, DCB_RESET) != DCB_SET) return;
    damage_.unite({std::max<std::int32_t>(bounds.left, 0), std::max<std::int32_t>(bounds.top, 0),
                   std::min<std::int32_t>(bounds.right, width_), std::min<std::int32_t>(bounds.bottom, height_)});
}

Raster GdiSurface::rasterAfterGdi() {
    GdiFlush();  // what GDI has queued lands first
    return raster();
}

void GdiSurface::fillRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                       Colour colour) {
    // An upside-down rectangle is empty, as on Linux; GDI would fill it mirrored.
    if (context_ == nullptr || right <= left || bottom <= top) return;
    const RECT area = clipped(left, top, right, bottom, width_, height_);
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(context_, &area, brush);
    DeleteObject(brush);
    collectDamage();
}

void GdiSurface::drawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t penWidth,
                       Colour colour) {
    // LineTo leaves out the end pixel, so a line within one pixel draws nothing, but GDI
    // would still count it in its bounds.
    if (context_ == nullptr || (x1 == x2 && y1 == y2)) return;
    if (!withinGdiReach({x1, y1, x2, y2})) {
        if (pixels_ != nullptr) rasterAfterGdi().drawLine(x1, y1, x2, y2, penWidth, colour);
        return;
    }
    {
        Selected pen(context_, CreatePen(PS_SOLID, penWidth, colour));
        MoveToEx(context_, x1, y1, nullptr);
        LineTo(context_, x2, y2);
    }
    collectDamage();
}

void GdiSurface::drawEllipse(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                          std::int32_t penWidth, Colour lineColour, Colour fillColour) {
    if (context_ == nullptr) return;
    const std::int64_t width = std::int64_t{right} - left, height = std::int64_t{bottom} - top;
    if (!withinGdiReach({left, top, right, bottom}) || width > kLargestGdiEllipse || height > kLargestGdiEllipse) {
        if (pixels_ != nullptr) rasterAfterGdi().drawEllipse(left, top, right, bottom, penWidth, lineColour, fillColour);
        return;
    }
    {
        Selected brush(context_, CreateSolidBrush(fillColour));
        Selected pen(context_, CreatePen(PS_SOLID, penWidth, lineColour));
        Ellipse(context_, left, top, right, bottom);
    }
    collectDamage();
}

void GdiSurface::drawText(std::int32_t x, std::int32_t y, const char* text) {
    if (context_ == nullptr || text == nullptr) return;
    SetBkMode(context_, TRANSPARENT);
    TextOutA(context_, x, y, text, static_cast<int>(std::strlen(text)));
    collectDamage();
}

void GdiSurface::blit(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, const Surface& source,
                   std::int32_t sourceX, std::int32_t sourceY) {
    // Every surface of this backend is a GdiSurface.
    const HDC sourceContext = static_cast<const GdiSurface&>(source).context_;
    if (context_ == nullptr || sourceContext == nullptr) return;
    // A window's context clips by itself; a memory surface's size is its bitmap's.
    const std::int64_t targetWidth = bitmap_ != nullptr ? width_ : INT32_MAX;
    const std::int64_t targetHeight = bitmap_ != nullptr ? height_ : INT32_MAX;
    const BlitRun columns = BlitRun::clip(x, sourceX, width, targetWidth, source.width());
    const BlitRun rows = BlitRun::clip(y, sourceY, height, targetHeight, source.height());
    if (columns.length <= 0 || rows.length <= 0) return;
    BitBlt(context_, static_cast<int>(columns.to), static_cast<int>(rows.to), static_cast<int>(columns.length),
           static_cast<int>(rows.length), sourceContext, static_cast<int>(columns.from),
           static_cast<int>(rows.from), SRCCOPY);
    collectDamage();
}

const std::uint32_t* GdiSurface::row(std::int32_t y) const {
    if (pixels_ == nullptr || y < 0 || y >= height_) return nullptr;
    GdiFlush();  // GDI may batch drawing calls; the pixels are current only after a flush
    return pixels_ + y * stride_;
}
