#include "ScaledLength.h"

#include "Saturate.h"

std::int32_t scaledLength(std::int32_t reference, float factor) {
    return saturateToInt32(static_cast<double>(reference) * static_cast<double>(factor));
}
