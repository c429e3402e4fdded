// libFuzzer target for the knot and degree texts (make fuzz): whatever the text, the knot list
// never decreases, the degree is at least 2, and the curve evaluates without fault.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "DeBoorCurve.h"
#include "KnotText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // An edit box hands over at most 255 characters, without NULs.
    const std::string text(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 255));
    DeBoorCurve curve;
    for (int i = 0; i < 6; ++i) curve.addPoint(40.0f * i, i % 2 == 0 ? 10.0f : 200.0f);
    readKnots(curve, text.c_str());
    const GrowArray<float>& knots = curve.knots();
    for (std::int32_t k = 1; k < knots.count(); ++k)
        if (knots[k] < knots[k - 1]) std::abort();
    readDegree(curve, text.c_str());
    if (curve.degree() < 2) std::abort();
    curve.completeKnots();
    for (float u = 0.0f; u <= 1.0f; u += 0.125f) curve.evaluate(u);
    return 0;
}
