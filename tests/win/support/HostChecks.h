#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "win/automation/DispatchObject.h"
#include "win/combase/ComPtr.h"
#include "winharness/testhost/TestHostModel.h"

namespace pwk::wintest {

// What the Windows tests read of the test host after the add-in has worked on it.

inline std::vector<ULONG> ReferencesOf(const testhost::TestHostModel& host) {
    std::vector<ULONG> counts;
    for (const auto& object : host.Objects()) {
        counts.push_back(object->References());
    }
    return counts;
}

// True when every object the host had at `before` is back at its count then, and every object
// made since (the add-in's buttons) is held by nobody but the host's own record of it: taken
// off its bar and let go of.
inline bool AllGivenBack(const testhost::TestHostModel& host, const std::vector<ULONG>& before) {
    bool back = true;
    for (std::size_t i = 0; i < host.Objects().size(); ++i) {
        const ULONG expected = i < before.size() ? before[i] : 1;
        if (host.Objects()[i]->References() != expected) {
            std::printf("object %zu: %lu references, %lu expected\n", i,
                        host.Objects()[i]->References(), expected);
            back = false;
        }
    }
    return back;
}

// The controls on the explorer's "Standard" bar: all of them, or those the add-in put there.
inline std::vector<win::ComPtr<win::DispatchObject>> StandardBar(
    const testhost::TestHostModel& host, bool addInsOnly) {
    std::vector<win::ComPtr<win::DispatchObject>> controls;
    for (const auto& control : host.CommandBars().Controls("Standard")) {
        if (!addInsOnly || !control->ValueOf("BuiltIn").ToBool()) {
            controls.push_back(control);
        }
    }
    return controls;
}

// The captions of `controls` (those shown only, if asked), joined by "|".
inline std::string Captions(const std::vector<win::ComPtr<win::DispatchObject>>& controls,
                            bool shownOnly = false) {
    std::string captions;
    for (const auto& control : controls) {
        if (!shownOnly || control->ValueOf("Visible").ToBool()) {
            captions += (captions.empty() ? "" : "|") + control->ValueOf("Caption").ToString();
        }
    }
    return captions;
}

}  // namespace pwk::wintest
