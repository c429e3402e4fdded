#pragma once
#include <cstdint>

class Panel;

// Kind numbers by which objects find one another in a panel's list.
constexpr std::int32_t KIND_CONTROL_POINT = 1;
constexpr std::int32_t KIND_CONTROL_MANAGER = 2;
constexpr std::int32_t KIND_VARIABLE_WIDTH = 3;
constexpr std::int32_t KIND_SIZE_CONTROLLER = 5;
constexpr std::int32_t KIND_TAB = 6;
constexpr std::int32_t KIND_TEXT_OBJ = 7;

// Everything that lives in a panel without being a native control.
class Object {
public:
    explicit Object(std::int32_t kind) : kind(kind) {}
    virtual ~Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    virtual void attached() {}
    virtual void update() {}
    virtual void draw() {}
    virtual void resized(std::int32_t /*width*/, std::int32_t /*height*/) {}

    Panel* owner = nullptr;
    std::int32_t kind;
};
