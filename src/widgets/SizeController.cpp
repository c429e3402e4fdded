#include "SizeController.h"

#include <algorithm>

#include "Panel.h"
#include "Saturate.h"
#include "ScaledLength.h"
#include "Window.h"

namespace {
// The rule's length for a reference length: the reference, or the reference scaled by the
// factor, plus the offset.
std::int32_t ruleLength(const LayoutRule& rule, std::int32_t reference) {
    double length = reference;
    if ((rule.flags & LayoutRule::HAS_FACTOR) != 0) length = scaledLength(reference, rule.factor);
    if ((rule.flags & LayoutRule::HAS_OFFSET) != 0) length += rule.offset;
    return saturateToInt32(length);
}

bool inForce(const LayoutRule& rule) { return (rule.flags & LayoutRule::IN_FORCE) != 0; }

// Positions have reference length 0; a rule not in force keeps the current value.
std::int32_t ruledPosition(const LayoutRule& rule, std::int32_t current) {
    return inForce(rule) ? ruleLength(rule, 0) : current;
}

// Sizes scale the client length; a rule not in force keeps the current size. Never negative.
std::int32_t ruledSize(const LayoutRule& rule, std::int32_t clientLength, std::int32_t current) {
    return std::max(0, inForce(rule) ? ruleLength(rule, clientLength) : current);
}
}  // namespace

void SizeController::update() {
    const std::int32_t clientWidth = owner->window->width;
    const std::int32_t clientHeight = owner->window->height;
    if (clientWidth == lastWindowWidth && clientHeight == lastWindowHeight) return;

    // The position goes first, so the objects told of the resize already see it.
    owner->x = ruledPosition(leftRule, owner->x);
    owner->y = ruledPosition(topRule, owner->y);
    // Resized even when the size stays: a reset remembered size asks for a fresh layout.
    owner->resize(ruledSize(widthRule, clientWidth, owner->width), ruledSize(heightRule, clientHeight, owner->height));
    lastWindowWidth = clientWidth;
    lastWindowHeight = clientHeight;
}
