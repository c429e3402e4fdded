#include "SurfacePainting.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <algorithm>
#include <cstdint>

#include "Surface.h"

namespace {
// A surface row, with the image's origin at the painted rectangle's left edge.
struct Rows {
    const Surface* surface;
    int left, top;
};

// Hands FLTK one line as red, green, blue bytes.
void convertLine(void* data, int x, int y, int width, uchar* buffer) {
    const Rows& rows = *static_cast<const Rows*>(data);
    const std::uint32_t* source = rows.surface->row(rows.top + y) + rows.left + x;
    for (int i = 0; i < width; ++i) {
        buffer[3 * i] = static_cast<uchar>(source[i] >> 16);
        buffer[3 * i + 1] = static_cast<uchar>(source[i] >> 8);
        buffer[3 * i + 2] = static_cast<uchar>(source[i]);
    }
}

bool hostIsLittleEndian() {
    const std::uint32_t probe = 1;
    return *reinterpret_cast<const unsigned char*>(&probe) == 1;
}

// The surface's words wrapped as an X image without copying, or null when the display's
// visual does not take 32-bit 0x00RRGGBB pixels as they are.
XImage* wrapSurface(const Surface& surface) {
    const Visual* visual = fl_visual->visual;
    if (fl_visual->c_class != TrueColor || visual->red_mask != 0xFF0000 || visual->green_mask != 0xFF00 ||
        visual->blue_mask != 0xFF)
        return nullptr;
    const int stride = surface.height() > 1 ? static_cast<int>(reinterpret_cast<const char*>(surface.row(1)) -
                                                                reinterpret_cast<const char*>(surface.row(0)))
                                            : surface.width() * 4;
    // XPutImage only reads the pixels.
    char* pixels = reinterpret_cast<char*>(const_cast<std::uint32_t*>(surface.row(0)));
    XImage* image = XCreateImage(fl_display, fl_visual->visual, fl_visual->depth, ZPixmap, 0, pixels,
                                 static_cast<unsigned>(surface.width()), static_cast<unsigned>(surface.height()), 32,
                                 stride);
    if (image == nullptr) return nullptr;
    if (image->bits_per_pixel != 32) {
        image->data = nullptr;
        XDestroyImage(image);
        return nullptr;
    }
    // The words are in the host's order; Xlib swaps them if the server wants another.
    image->byte_order = hostIsLittleEndian() ? LSBFirst : MSBFirst;
    return image;
}
}  // namespace

void paintSurface(const Surface& surface, int x, int y, int width, int height) {
    const int left = std::max(x, 0), top = std::max(y, 0);
    const int right = std::min(x + width, surface.width()), bottom = std::min(y + height, surface.height());
    if (right <= left || bottom <= top) return;
    if (XImage* image = wrapSurface(surface)) {
        XPutImage(fl_display, fl_window, fl_gc, image, left, top, left, top, static_cast<unsigned>(right - left),
                  static_cast<unsigned>(bottom - top));
        image->data = nullptr;  // the surface keeps its pixels
        XDestroyImage(image);
        return;
    }
    Rows rows{&surface, left, top};
    fl_draw_image(convertLine, &rows, left, top, right - left, bottom - top, 3);
}
