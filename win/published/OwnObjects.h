#pragma once

#include <oaidl.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <typeindex>
#include <unordered_map>
#include <utility>

#include "src/util/Failure.h"
#include "win/automation/DispatchObject.h"
#include "win/combase/ComPtr.h"

namespace pwk::win {

// The component's own automation objects and the core objects they stand for. An object handed
// back to the component (settings to take over, a folderset to add) is recognised by its COM
// identity (its IUnknown) in this process-wide table, and only there: an object made anywhere
// else, even one with the same members, is not ours. While an automation object lives it is
// the one object of its core object, so reading the same core object twice gives the same
// IDispatch. The table holds no COM reference: an entry goes with its object (the object holds
// its core object). Used on the apartment's one thread only.
class OwnObjects {
  public:
    using Build = std::function<void(ServerObject&)>;

    static OwnObjects& Instance();

    // The automation object of `core`: the live one, else a new one whose members `build` adds.
    // Nothing for nothing.
    template <class T>
    ComPtr<IDispatch> Publish(const std::shared_ptr<T>& core, const Build& build) {
        if (!core) {
            return {};
        }
        return Publish(std::static_pointer_cast<const void>(core), typeid(T), build);
    }

    // The core object that `object` stands for: null for nothing, a type mismatch (13) for an
    // object that is not one of ours of that kind.
    template <class T>
    std::shared_ptr<T> CoreOf(IDispatch* object) const {
        if (object == nullptr) {
            return nullptr;
        }
        const auto found = Find(object, typeid(T));
        if (!found) {
            Raise(FailureNumber::TypeMismatch);
        }
        return std::const_pointer_cast<T>(std::static_pointer_cast<const T>(found));
    }
    // True when `object` is one of ours of kind T.
    template <class T>
    bool IsOurs(IDispatch* object) const {
        return object != nullptr && Find(object, typeid(T)) != nullptr;
    }

    // How many of our objects live (each keeps the component loaded).
    std::size_t Live() const { return byIdentity_.size(); }

  private:
    struct Entry {
        std::shared_ptr<const void> core;
        std::type_index type;
    };
    using CoreKey = std::pair<const void*, std::type_index>;
    struct CoreKeyHash {
        std::size_t operator()(const CoreKey& key) const noexcept {
            return std::hash<const void*>()(key.first) ^ key.second.hash_code();
        }
    };

    ComPtr<IDispatch> Publish(std::shared_ptr<const void> core, std::type_index type,
                              const Build& build);
    std::shared_ptr<const void> Find(IDispatch* object, std::type_index type) const;
    void Forget(IUnknown* identity);

    std::unordered_map<IUnknown*, Entry> byIdentity_;
    std::unordered_map<CoreKey, ServerObject*, CoreKeyHash> byCore_;
};

}  // namespace pwk::win
