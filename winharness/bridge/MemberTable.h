#pragma once

#include <oaidl.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <type_traits>

#include "src/platform/AutomationObject.h"
#include "win/automation/DispatchCall.h"
#include "win/combase/Variant.h"

namespace pwk::bridge {

// The members one kind of host object answers over IDispatch, each under the number
// MemberIds gives its name: a read (a property or a method, with or without arguments) and,
// for a property that can be set, a write. The typed helpers take the object as the host's
// interface T the kind implements.
class MemberTable {
  public:
    using Reader = std::function<win::Variant(AutomationObject&, const win::DispatchCall&)>;
    using Writer = std::function<void(AutomationObject&, const win::Variant&)>;

    struct Member {
        Reader Read;
        Writer Write;  // empty: the member cannot be set
    };

    MemberTable& Add(const std::string& name, Reader read, Writer write = {});
    // The object's default value (DISPID_VALUE), read only.
    MemberTable& AddValue(Reader read);
    // The member under that number; null when the kind has none.
    const Member* Find(DISPID id) const;
    // The number of `name` when the kind has such a member.
    std::optional<DISPID> IdOf(const std::string& name) const;

    // A property read without arguments: `get(T&)` answers a Variant.
    template <class T, class Get>
    MemberTable& Read(const std::string& name, Get get) {
        return Add(name, [get](AutomationObject& object, const win::DispatchCall&) {
            return win::Variant(get(dynamic_cast<T&>(object)));
        });
    }
    // A property that can also be set: `set(T&, const win::Variant&)`.
    template <class T, class Get, class Set>
    MemberTable& ReadWrite(const std::string& name, Get get, Set set) {
        return Add(
            name,
            [get](AutomationObject& object, const win::DispatchCall&) {
                return win::Variant(get(dynamic_cast<T&>(object)));
            },
            [set](AutomationObject& object, const win::Variant& value) {
                set(dynamic_cast<T&>(object), value);
            });
    }
    // A method, or a property read with arguments: `call(T&, const win::DispatchCall&)` answers a
    // Variant (an empty one for a method without a result).
    template <class T, class Call>
    MemberTable& Method(const std::string& name, Call call) {
        return Add(name, [call](AutomationObject& object, const win::DispatchCall& args) {
            T& target = dynamic_cast<T&>(object);
            if constexpr (std::is_void_v<
                              std::invoke_result_t<Call, T&, const win::DispatchCall&>>) {
                call(target, args);
                return win::Variant();
            } else {
                return win::Variant(call(target, args));
            }
        });
    }

  private:
    std::map<DISPID, Member> members_;
};

}  // namespace pwk::bridge
