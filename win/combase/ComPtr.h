#pragma once

#include <unknwn.h>

#include <utility>

namespace pwk::win {

// Owns one COM reference: released when the holder goes, so no path forgets a Release.
template <class T>
class ComPtr {
  public:
    ComPtr() = default;
    // Takes a new reference of its own on `object`.
    explicit ComPtr(T* object) : object_(object) {
        if (object_) {
            object_->AddRef();
        }
    }
    ComPtr(const ComPtr& other) : ComPtr(other.object_) {}
    ComPtr(ComPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(object_, other.object_);
        return *this;
    }
    ~ComPtr() { Reset(); }

    // Adopts a reference the caller already owns (an out-parameter's).
    static ComPtr Attach(T* object) {
        ComPtr ptr;
        ptr.object_ = object;
        return ptr;
    }

    void Reset() {
        if (T* object = std::exchange(object_, nullptr)) {
            object->Release();
        }
    }
    // The address of the empty holder, for a call that hands back a new reference.
    T** Out() {
        Reset();
        return &object_;
    }
    // The same object seen through another interface; empty when it has none.
    template <class U>
    ComPtr<U> As(const IID& iid) const {
        ComPtr<U> other;
        if (object_) {
            object_->QueryInterface(iid, reinterpret_cast<void**>(other.Out()));
        }
        return other;
    }

    T* Get() const { return object_; }
    T* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

  private:
    T* object_ = nullptr;
};

}  // namespace pwk::win
