#include "Raster.h"
#include "Surface.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <vector>
#include <functional>

namespace {
constexpr Colour kBlack = rgb(0, 0, 0), kRed = rgb(255, 0, 0), kWhite = rgb(255,255,255);

struct Ours {
    std::vector<std::uint32_t> pixels;
    Rect damage;
    int w, h;
    Ours(int w, int h) : pixels(w * h, 0xFFFFFF), w(w), h(h) {}
    Raster raster() { return Raster(pixels.data(), w, w, h, damage); }
};

int compare(const Surface& gdi, Ours& ours, std::string name) {
    int diff = 0;
    for (int y = 0; y < ours.h; ++y) for (int x = 0; x < ours.w; ++x)
        if ((gdi.row(y)[x] & 0xFFFFFF) != (ours.pixels[y * ours.w + x] & 0xFFFFFF)) ++diff;
    if (diff) {
        std::printf("DIFF %s: %d\n", name.c_str(), diff);
        auto ch = [](std::uint32_t v) { v &= 0xFFFFFF; return v == 0xFFFFFF ? '.' : v == 0 ? 'k' : v == 0xFF0000 ? 'r' : '?'; };
        for (int y = 0; y < ours.h; ++y) {
            std::string line, line2;
            for (int x = 0; x < ours.w; ++x) { line += ch(gdi.row(y)[x]); line2 += ch(ours.pixels[y*ours.w+x]); }
            if (line.find_first_not_of('.') != std::string::npos || line2.find_first_not_of('.') != std::string::npos)
            std::printf("  %2d %s   %s\n", y, line.c_str(), line2.c_str());
        }
    }
    return diff;
}

TEST(GdiRasterTest, Lines) {
    for (int pen : {0, 1}) {
        int total = 0, cases = 0, bad = 0;
        for (int dx = -9; dx <= 9; ++dx) for (int dy = -9; dy <= 9; ++dy) {
            Surface s(30, 30); Ours o(30, 30);
            s.drawLine(15, 15, 15 + dx, 15 + dy, pen, kBlack);
            o.raster().drawLine(15, 15, 15 + dx, 15 + dy, pen, kBlack);
            char name[80]; std::snprintf(name, sizeof name, "line pen %d to %+d,%+d", pen, dx, dy);
            int d = compare(s, o, pen <= 1 || (dx == 5 && dy == 3) || (dx==0 && dy == 6) || (dx == 6 && dy == 6) ? name : "");
            total += d; ++cases; bad += d > 0;
        }
        std::printf("pen %d: %d of %d cases differ, %d pixels\n", pen, bad, cases, total);
    }
}

TEST(GdiRasterTest, Ellipses) {
    for (int pen : {0, 1}) for (int w = 1; w <= 14; ++w) for (int h : {w, w + 1, w+3}) {
        Surface s(30, 30); Ours o(30, 30);
        s.drawEllipse(5, 5, 5 + w, 5 + h, pen, kBlack, kRed);
        o.raster().drawEllipse(5, 5, 5 + w, 5 + h, pen, kBlack, kRed);
        char name[80]; std::snprintf(name, sizeof name, "ellipse pen %d %dx%d", pen, w, h);
        compare(s, o, name);
    }
}
}
namespace {
TEST(GdiRasterTest, DumpEllipses) {
    FILE* f = std::fopen("ellipses.txt", "w");
    for (int pen : {0, 1}) for (int w = 0; w <= 18; ++w) for (int h = 0; h <= 18; ++h) {
        Surface s(24, 24);
        s.drawEllipse(2, 2, 2 + w, 2 + h, pen, kBlack, kRed);
        std::fprintf(f, "E %d %d %d\n", pen, w, h);
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 24; ++x) { std::uint32_t v = s.row(y)[x] & 0xFFFFFF; std::fputc(v == 0xFFFFFF ? '.' : v == 0 ? 'k' : v == 0xFF0000 ? 'r' : '?', f); }
            std::fputc('\n', f);
        }
    }
    std::fclose(f);
}
}
