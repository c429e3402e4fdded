#pragma once

// A point or vector of two 32-bit floats. Every operation rounds each component to float,
// so the constructions give the same values on every machine (no fused multiply-add).
struct Vec2 {
    float x = 0.0f;
    float y = 0.0f;

    Vec2& add(const Vec2& other) {
        x += other.x;
        y += other.y;
        return *this;
    }

    // Writes this minus other into out; this value stays as it is.
    Vec2& sub(Vec2& out, const Vec2& other) const {
        out = *this;
        out.x -= other.x;
        out.y -= other.y;
        return out;
    }

    Vec2& scale(float s) {
        x *= s;
        y *= s;
        return *this;
    }

    // This becomes this + (target - this) * s, rounded after each of the three steps.
    Vec2& lerp(const Vec2& target, float s) {
        Vec2 step;
        target.sub(step, *this);
        return add(step.scale(s));
    }
};
