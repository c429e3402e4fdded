#pragma once
// The Windows surface: a 32-bit top-down DIB section selected into a memory device context,
// drawn by GDI itself, or a window's own device context.
#include "Surface.h"

struct HDC__;
struct HBITMAP__;

class GdiSurface : public Surface {
public:
    // Contents start white; callers draw the background they want.
    GdiSurface(std::int32_t width, std::int32_t height);
    // Draws straight into a window's own device context, which stays the window's; there
    // are no pixels to read.
    GdiSurface(HDC__* windowContext, std::int32_t width, std::int32_t height);
    ~GdiSurface() override;

    void fillRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                  Colour colour) override;
    void drawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t penWidth,
                  Colour colour) override;
    void drawEllipse(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                     std::int32_t penWidth, Colour lineColour, Colour fillColour) override;
    void drawText(std::int32_t x, std::int32_t y, const char* text) override;
    void blit(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, const Surface& source,
              std::int32_t sourceX, std::int32_t sourceY) override;
    const std::uint32_t* row(std::int32_t y) const override;

    // For the backend's BitBlt from and to other device contexts.
    HDC__* deviceContext() const { return context_; }

protected:
    bool allocatePixels() override;
    void swap(Surface& other) override;

private:
    void release();
    void collectDamage();
    Raster rasterAfterGdi();

    HDC__* context_ = nullptr;
    HBITMAP__* bitmap_ = nullptr;  // null for a window's context
    void* previousBitmap_ = nullptr;
};
