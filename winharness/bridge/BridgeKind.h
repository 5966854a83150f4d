#pragma once

#include <guiddef.h>

#include <functional>
#include <string>
#include <vector>

#include "src/platform/AutomationObject.h"
#include "src/util/Connection.h"
#include "win/combase/ComPtr.h"
#include "winharness/bridge/MemberTable.h"

namespace pwk::bridge {

// What one kind of host object (an explorer, a mail, a button ...) answers over IDispatch:
// its members, and the event interfaces a client can connect a sink to.
struct BridgeKind {
    // Connects `sink` to the object's events of one interface: every event the object raises
    // calls the sink with the event's number. Throws the host's failure when it cannot.
    using Bind =
        std::function<Connection(AutomationObject& object, const win::ComPtr<IDispatch>& sink)>;
    struct Events {
        IID Interface;
        Bind Connect;
    };

    std::string Name;
    MemberTable Members;
    std::vector<Events> EventInterfaces;

    // The kind of `object`, by the host interface it implements (the most specific one: a
    // mail before an item, a button before a control); a kind without members for an object
    // of no interface the bridge knows.
    static const BridgeKind& Of(const AutomationObject& object);
};

}  // namespace pwk::bridge
