#pragma once

#include "winharness/bridge/BridgeArgs.h"
#include "winharness/bridge/MemberTable.h"

namespace pwk::bridge {

// Count and Item(index) of a host collection T, numbered from 1.
template <class T>
MemberTable& AddCollection(MemberTable& table) {
    return table.Read<T>("Count", [](T& collection) { return collection.Count(); })
        .template Method<T>("Item", [](T& collection, const win::DispatchCall& call) {
            return Bridged(collection.Item(NumberArg(call, 0)));
        });
}

}  // namespace pwk::bridge
