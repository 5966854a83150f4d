#include "src/hooks/HookedInspector.h"

#include "src/errors/Procedure.h"
#include "src/hooks/HookOwner.h"
#include "src/util/Ref.h"

namespace pwk {

namespace {
constexpr const char* kModule = "HookedInspector";
}  // namespace

HookedInspector::HookedInspector(Component& component)
    : component_(component), myInspector_(static_cast<host::InspectorEvents&>(*this)) {}

void HookedInspector::Initialize(const Ref<host::Application>& /*olApp*/,
                                 const std::shared_ptr<HookOwner>& addinApp,
                                 const Ref<host::Inspector>& inspectorToHook,
                                 const std::string& callbackKey) {
    Procedure proc(component_, kModule, "Initialize", Boundary::Internal);
    proc.Run([&] {
        proc.Step([&] {
            addinApp_ = addinApp;
            myInspector_ = inspectorToHook;
            callbackKey_ = callbackKey;
        });
    });
}

void HookedInspector::Kill() {
    Procedure proc(component_, kModule, "Kill", Boundary::Internal);
    proc.Run([&] {
        proc.Step([&] { myInspector_.Reset(); });
        proc.Step([&] { addinApp_.reset(); });
    });
}

void HookedInspector::MyInspector_Close() {
    // The registry kills and drops this hook while the event is delivered.
    const auto self = shared_from_this();
    Procedure proc(component_, kModule, "MyInspector_Close", Boundary::Host);
    proc.Run([&] { Deref(addinApp_).InspectorClosed(callbackKey_); });
}

}  // namespace pwk
