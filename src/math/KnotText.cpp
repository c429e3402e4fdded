#include "KnotText.h"

#include <cstdint>
#include <cstdlib>

#include "DeBoorCurve.h"
#include "Saturate.h"
#include "Tokenizer.h"

namespace {

void addInOrder(DeBoorCurve& curve, float knot) {
    if (curve.knots().isEmpty() || knot >= curve.knots().last()) curve.addKnot(knot);
}

// Reads like atoi, but saturates where atoi's result would overflow: strtol saturates at the
// range of long, which holds the whole int32 range.
std::int32_t leadingInteger(const char* text) {
    const long value = std::strtol(text, nullptr, 10);
    return saturateToInt32(std::int64_t{value});
}

}  // namespace

void readKnots(DeBoorCurve& curve, const char* text) {
    Tokenizer tokenizer;
    tokenizer.setText(text);
    for (const char* delimiter : {" ", ",", "\t", "\n", "\r"}) tokenizer.addDelimiter(delimiter);
    curve.clearKnots();
    float value = tokenizer.nextNumber();
    while (tokenizer.status() == Tokenizer::READY) {
        addInOrder(curve, value);
        value = tokenizer.nextNumber();
    }
    // The last number arrives with the end of input.
    if (value != 0.0f) addInOrder(curve, value);
}

void readDegree(DeBoorCurve& curve, const char* text) {
    const std::int32_t degree = leadingInteger(text);
    curve.setDegree(degree <= 1 ? 2 : degree);
}
