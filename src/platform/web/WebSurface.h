#pragma once
// The browser's surface: our Raster draws into a plain pixel buffer in the program's memory,
// and the browser's own fonts draw the text, blended into the same pixels.
#include <memory>

#include "Surface.h"

class WebSurface : public Surface {
public:
    // Contents start white; callers draw the background they want.
    WebSurface(std::int32_t width, std::int32_t height);

    void drawText(std::int32_t x, std::int32_t y, const char* text) override;

protected:
    bool allocatePixels() override;
    void swap(Surface& other) override;

private:
    std::unique_ptr<std::uint32_t[]> buffer_;
};
