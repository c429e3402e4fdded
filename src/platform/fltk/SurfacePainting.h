#pragma once
// Copies part of a Surface onto the widget drawable FLTK is currently drawing to.
class Surface;

// Paints the surface's rectangle (x, y, width, height) at the same place in the drawable;
// the part outside the surface is left alone.
void paintSurface(const Surface& surface, int x, int y, int width, int height);
