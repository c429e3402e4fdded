#pragma once
// The surface of the Linux backends: our Raster draws everything but text straight into
// the pixels of a cairo image surface. Cairo only draws text; each text call is bracketed
// by mark_dirty/flush, so outside drawText the pixels are always current and free to touch.
#include "Surface.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

class CairoSurface : public Surface {
public:
    // Contents start white; callers draw the background they want.
    CairoSurface(std::int32_t width, std::int32_t height);
    ~CairoSurface() override;

    void drawText(std::int32_t x, std::int32_t y, const char* text) override;

protected:
    bool allocatePixels() override;
    void swap(Surface& other) override;

private:
    void release();
    cairo_t* context();

    cairo_surface_t* surface_ = nullptr;
    cairo_t* cairo_ = nullptr;
};
