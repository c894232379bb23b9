#pragma once
// One counted COM reference and its one owner: let go when the owner empties
// it, fills it anew or ends. Filled by the call that takes put() as its
// out-argument; moved, never copied.
#include <utility>

template <typename Interface>
class ComReference {
 public:
  ComReference() = default;
  // Takes over a reference the caller holds (a new object's first).
  explicit ComReference(Interface* held) : held_(held) {}
  ComReference(ComReference&& other) noexcept : held_(std::exchange(other.held_, nullptr)) {}
  ComReference& operator=(ComReference&& other) noexcept {
    if (this != &other) {
      reset();
      held_ = std::exchange(other.held_, nullptr);
    }
    return *this;
  }
  ~ComReference() { reset(); }

  void reset() {
    if (Interface* held = std::exchange(held_, nullptr)) held->Release();
  }
  // Empties the reference and gives its slot to a call that fills it.
  Interface** put() {
    reset();
    return &held_;
  }
  void** putVoid() { return reinterpret_cast<void**>(put()); }
  Interface* get() const { return held_; }
  Interface* operator->() const { return held_; }
  explicit operator bool() const { return held_ != nullptr; }

 private:
  Interface* held_ = nullptr;
};
