#pragma once

#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "src/host/HostObject.h"
#include "win/dispatch/DispatchHolder.h"
#include "win/dispatch/WrapObject.h"

namespace pwk::win {

// A host interface over its late-bound object. A host object's text value is the host's own
// answer, its default member: an address entry's is its name, a folder's its name, the
// namespace's "MAPI".
template <class Interface, bool = std::is_base_of_v<host::HostObject, Interface>>
class HostInterface : public Interface, public DispatchHolder {
  public:
    using DispatchHolder::DispatchHolder;
};

template <class Interface>
class HostInterface<Interface, true> : public Interface, public DispatchHolder {
  public:
    using DispatchHolder::DispatchHolder;
    std::string Text() const override { return DefaultValue().ToString(); }
};

// Base of the adapters: one host interface over one late-bound host object, with the typed
// reads each adapter's members are written in.
template <class Interface>
class DispatchAdapter : public HostInterface<Interface> {
  public:
    explicit DispatchAdapter(ComPtr<IDispatch> object)
        : HostInterface<Interface>(std::move(object)) {}

  protected:
    template <class... Args>
    std::string Str(std::string_view name, Args&&... args) const {
        return this->Get(name, std::forward<Args>(args)...).ToString();
    }
    std::int32_t Int(std::string_view name) const { return this->Get(name).ToInt32(); }
    bool Bool(std::string_view name) const { return this->Get(name).ToBool(); }
    host::Date When(std::string_view name) const { return this->Get(name).ToDate(); }
    template <class T, class... Args>
    Ref<T> Object(std::string_view name, Args&&... args) const {
        return WrapObject<T>(this->Get(name, std::forward<Args>(args)...));
    }
    template <class T, class... Args>
    Ref<T> CallObject(std::string_view name, Args&&... args) const {
        return WrapObject<T>(this->Call(name, std::forward<Args>(args)...));
    }
};

}  // namespace pwk::win
