// Fixed arrays with their own index bounds, checked on every access.
#pragma once

#include <array>
#include <cstddef>

#include "platform/Errors.h"

namespace kx {

// Arr<T, Lo, Hi> holds Hi - Lo + 1 values indexed Lo..Hi; any other index throws RangeError.
// Value-initialised: numbers start at zero.
template <typename T, int Lo, int Hi> class Arr {
    static_assert(Hi >= Lo, "empty array");

public:
    static constexpr int low = Lo;
    static constexpr int high = Hi;
    static constexpr int count = Hi - Lo + 1;

    T& operator[](int i) {
        if (i < Lo || i > Hi) throw RangeError();
        return v_[static_cast<std::size_t>(i - Lo)];
    }
    const T& operator[](int i) const {
        if (i < Lo || i > Hi) throw RangeError();
        return v_[static_cast<std::size_t>(i - Lo)];
    }

    void fill(const T& x) { v_.fill(x); }
    T* begin() { return v_.data(); }
    T* end() { return v_.data() + count; }
    const T* begin() const { return v_.data(); }
    const T* end() const { return v_.data() + count; }

    bool operator==(const Arr&) const = default;

private:
    std::array<T, count> v_{};
};

} // namespace kx
