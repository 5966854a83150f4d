#include "src/hooks/HookedExplorer.h"

#include "src/errors/Procedure.h"
#include "src/hooks/HookOwner.h"
#include "src/util/Ref.h"

namespace pwk {

namespace {
constexpr const char* kModule = "HookedExplorer";
}  // namespace

HookedExplorer::HookedExplorer(Component& component)
    : component_(component), myExplorer_(static_cast<host::ExplorerEvents&>(*this)) {}

void HookedExplorer::Initialize(const Ref<host::Application>& olApp,
                                const std::shared_ptr<HookOwner>& addinApp,
                                const Ref<host::Explorer>& explorerToHook,
                                const std::string& callbackKey) {
    Procedure proc(component_, kModule, "Initialize", Boundary::Internal);
    proc.Run([&] {
        proc.Step([&] {
            olApp_ = olApp;
            addinApp_ = addinApp;
        });
        proc.Step([&] { myExplorer_ = explorerToHook; });
        proc.Step([&] { callbackKey_ = callbackKey; });
    });
}

void HookedExplorer::Kill() {
    Procedure proc(component_, kModule, "Kill", Boundary::Internal);
    proc.Run([&] {
        proc.Step([&] {
            olApp_.reset();
            addinApp_.reset();
        });
        proc.Step([&] { myExplorer_.Reset(); });
    });
}

void HookedExplorer::MyExplorer_Close() {
    // The registry kills and drops this hook while the event is delivered.
    const auto self = shared_from_this();
    Procedure proc(component_, kModule, "MyExplorer_Close", Boundary::Host);
    proc.Run([&] { Deref(addinApp_).ExplorerClosed(callbackKey_); });
}

}  // namespace pwk
