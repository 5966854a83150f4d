#pragma once

#include <memory>
#include <utility>

#include "sim/AuditedObject.h"

namespace pwk::sim {

// A reference the host keeps to one of its own objects. Every strong reference inside the
// host is one of these, so that the audit can tell the host's references from outside ones.
template <class T>
class Owned {
  public:
    Owned() = default;
    Owned(std::shared_ptr<T> object) : object_(std::move(object)) { Count(1); }  // NOLINT
    Owned(const Owned& other) : object_(other.object_) { Count(1); }
    Owned(Owned&& other) noexcept : object_(std::move(other.object_)) {}
    Owned& operator=(Owned other) noexcept {
        std::swap(object_, other.object_);
        return *this;
    }
    ~Owned() { Count(-1); }

    void reset() { Owned().swap(*this); }
    void swap(Owned& other) noexcept { std::swap(object_, other.object_); }

    const std::shared_ptr<T>& get() const { return object_; }
    T* operator->() const { return object_.get(); }
    T& operator*() const { return *object_; }
    explicit operator bool() const { return static_cast<bool>(object_); }
    bool operator==(const Owned& other) const { return object_ == other.object_; }

  private:
    void Count(int delta) {
        if (object_) {
            static_cast<const AuditedObject&>(*object_).hostRefs_ += delta;
        }
    }

    std::shared_ptr<T> object_;
};

}  // namespace pwk::sim
