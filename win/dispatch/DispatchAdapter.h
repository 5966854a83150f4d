#pragma once

#include <string>
#include <utility>

#include "win/dispatch/DispatchHolder.h"
#include "win/dispatch/WrapObject.h"

namespace pwk::win {

// Base of the adapters: one host interface over one late-bound host object, with the typed
// reads each adapter's members are written in.
template <class Interface>
class DispatchAdapter : public Interface, public DispatchHolder {
  public:
    explicit DispatchAdapter(ComPtr<IDispatch> object) : DispatchHolder(std::move(object)) {}

  protected:
    template <class... Args>
    std::string Str(const std::string& name, Args&&... args) const {
        return Get(name, std::forward<Args>(args)...).ToString();
    }
    std::int32_t Int(const std::string& name) const { return Get(name).ToInt32(); }
    bool Bool(const std::string& name) const { return Get(name).ToBool(); }
    host::Date When(const std::string& name) const { return Get(name).ToDate(); }
    template <class T, class... Args>
    Ref<T> Object(const std::string& name, Args&&... args) const {
        return WrapObject<T>(Get(name, std::forward<Args>(args)...));
    }
    template <class T, class... Args>
    Ref<T> CallObject(const std::string& name, Args&&... args) const {
        return WrapObject<T>(Call(name, std::forward<Args>(args)...));
    }
};

}  // namespace pwk::win
