#pragma once
#include <cstdint>
#include <vector>

// A growable array that grows its capacity in steps of five elements and always has room for
// one element beyond its capacity. Elements past the count but within the capacity are valid
// storage: the Newton interpolator keeps its divided differences there.
template <typename T>
class GrowArray {
public:
    static constexpr std::int32_t GROWTH_STEP = 5;

    void append(const T& value) {
        if (count_ == capacity_) reserve(capacity_ + GROWTH_STEP);
        storage[static_cast<std::size_t>(count_)] = value;
        ++count_;
    }

    // Room for at least `capacity` elements; the contents stay.
    void reserve(std::int32_t capacity) {
        if (capacity <= capacity_) return;
        capacity_ = capacity;
        storage.resize(static_cast<std::size_t>(capacity_) + 1);
    }

    // Forgets the elements but keeps the storage.
    void empty() { count_ = 0; }

    // Frees the storage.
    void release() {
        std::vector<T>().swap(storage);
        capacity_ = count_ = 0;
    }

    std::int32_t count() const { return count_; }
    std::int32_t capacity() const { return capacity_; }
    bool isEmpty() const { return count_ == 0; }
    T& operator[](std::int32_t index) { return storage[static_cast<std::size_t>(index)]; }
    const T& operator[](std::int32_t index) const { return storage[static_cast<std::size_t>(index)]; }
    const T& last() const { return storage[static_cast<std::size_t>(count_) - 1]; }

private:
    std::vector<T> storage;
    std::int32_t capacity_ = 0;
    std::int32_t count_ = 0;
};
