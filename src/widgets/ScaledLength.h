#pragma once
#include <cstdint>

// reference × factor, formed in double precision and truncated toward zero. Results beyond
// the int32 range saturate and a NaN product gives 0, where a plain conversion would be
// undefined.
std::int32_t scaledLength(std::int32_t reference, float factor);
