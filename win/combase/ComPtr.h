#pragma once

#include <oaidl.h>
#include <objbase.h>
#include <unknwn.h>

#include <type_traits>
#include <utility>

namespace pwk::win {

// Owns one COM reference: released when the holder goes, so no path forgets a Release. The
// interface a query asks for is the one of the type asked for (__uuidof), so the two cannot
// disagree.
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
    // The same reference seen through a base interface (a class's own holder as its IDispatch).
    template <class U>
    requires std::is_convertible_v<U*, T*> ComPtr(ComPtr<U> other)
    noexcept : object_(other.Detach()) {}  // NOLINT: converts implicitly
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
    // A new object of class `clsid` seen through T; empty when it cannot be made, and the
    // reason in `result` when asked.
    static ComPtr Create(const CLSID& clsid, DWORD context = CLSCTX_INPROC_SERVER,
                         HRESULT* result = nullptr) {
        ComPtr made;
        const HRESULT created = CoCreateInstance(clsid, nullptr, context, __uuidof(T),
                                                 reinterpret_cast<void**>(made.Out()));
        if (result != nullptr) {
            *result = created;
        }
        return made;
    }

    void Reset() {
        if (T* object = std::exchange(object_, nullptr)) {
            object->Release();
        }
    }
    // Hands the reference over to the caller (an out-parameter), leaving the holder empty.
    T* Detach() { return std::exchange(object_, nullptr); }
    // The address of the empty holder, for a call that hands back a new reference.
    T** Out() {
        Reset();
        return &object_;
    }
    // The same object seen through another interface; empty when it has none.
    template <class U>
    ComPtr<U> As() const {
        ComPtr<U> other;
        if (object_) {
            object_->QueryInterface(__uuidof(U), reinterpret_cast<void**>(other.Out()));
        }
        return other;
    }
    // The same object seen through a dispinterface known only at run time (an event
    // interface: IDispatch's table under an IID of its own); empty when it has none.
    ComPtr<IDispatch> AsDispInterface(const IID& iid) const {
        ComPtr<IDispatch> other;
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
