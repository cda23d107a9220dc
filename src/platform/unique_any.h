// Move-only ownership of a handle of any kind: the closer runs once, when the owner lets go.
#pragma once

#include <utility>

namespace duskfall {

template <typename T, typename Closer, T kNull = T{}>
class UniqueAny {
 public:
  UniqueAny() = default;
  explicit UniqueAny(T value) : value_(value) {}
  ~UniqueAny() { reset(); }

  UniqueAny(const UniqueAny&) = delete;
  UniqueAny& operator=(const UniqueAny&) = delete;
  UniqueAny(UniqueAny&& other) noexcept : value_(std::exchange(other.value_, kNull)) {}
  UniqueAny& operator=(UniqueAny&& other) noexcept {
    if (this != &other) reset(std::exchange(other.value_, kNull));
    return *this;
  }

  T get() const { return value_; }
  explicit operator bool() const { return value_ != kNull; }

  // For out-parameters: closes what is held, then hands out the slot.
  T* put() {
    reset();
    return &value_;
  }
  T release() { return std::exchange(value_, kNull); }
  void reset(T value = kNull) {
    const T old = std::exchange(value_, value);
    if (old != kNull) Closer{}(old);
  }

 private:
  T value_ = kNull;
};

}  // namespace duskfall
