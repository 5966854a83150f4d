#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "win/automation/DispatchObject.h"
#include "win/combase/ComPtr.h"

namespace pwk::testhost {

// The command bars of an explorer: the "Menu Bar" and the "Standard" bar with the host's own
// controls on them. Controls behave as the host's do for what an add-in does with them: Add
// puts a new one at the end or before a position, Move places it before another, Delete takes
// it off its bar, FindControl searches by type, id, tag and visibility, popups included when
// asked.
class TestCommandBars {
  public:
    // Makes every object of the host, so that the host can count its references.
    using Maker = std::function<win::ComPtr<win::DispatchObject>()>;
    using ControlList = std::shared_ptr<std::vector<win::ComPtr<win::DispatchObject>>>;

    explicit TestCommandBars(Maker make);
    TestCommandBars(const TestCommandBars&) = delete;
    TestCommandBars& operator=(const TestCommandBars&) = delete;

    const win::ComPtr<win::DispatchObject>& Object() const { return bars_; }
    // What stands on the bar `name` now, in order (popups' contents not included).
    std::vector<win::ComPtr<win::DispatchObject>> Controls(const std::string& name) const;

  private:
    struct Spec {
        std::int32_t Type;
        std::int32_t Id;
        std::string Caption;
        bool BeginGroup;
        std::vector<Spec> Controls;
    };
    static Spec Command(std::int32_t id, const std::string& caption, bool beginGroup = false);
    static Spec Menu(std::int32_t id, const std::string& caption, std::vector<Spec> controls);

    win::ComPtr<win::DispatchObject> MakeBar(const std::string& name,
                                             const std::vector<Spec>& controls);
    win::ComPtr<win::DispatchObject> MakeControls(win::DispatchObject* bar,
                                                  const ControlList& list);
    win::ComPtr<win::DispatchObject> MakeControl(std::int32_t type, std::int32_t id, bool builtIn,
                                                 win::DispatchObject* bar,
                                                 const ControlList& siblings);
    void AddBuiltIn(const Spec& spec, win::DispatchObject* bar, const ControlList& list);
    win::DispatchObject* Find(const std::vector<win::ComPtr<win::DispatchObject>>& list,
                              const win::DispatchCall& call, bool recursive) const;

    Maker make_;
    win::ComPtr<win::DispatchObject> bars_;
    std::map<std::string, ControlList> lists_;                    // each bar's controls
    std::map<const win::DispatchObject*, ControlList> children_;  // each popup's controls
};

}  // namespace pwk::testhost
