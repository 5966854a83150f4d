#pragma once

#include "src/host/CommandBar.h"
#include "src/host/CommandBarControl.h"
#include "win/dispatch/DispatchAdapter.h"

namespace pwk::win {

// What every command-bar control adapter answers; `Interface` is the control's own interface.
template <class Interface>
class DispatchControl : public DispatchAdapter<Interface> {
  public:
    using DispatchAdapter<Interface>::DispatchAdapter;
    int Id() override { return this->Int("Id"); }
    int Type() override { return this->Int("Type"); }
    std::string Caption() override { return this->Str("Caption"); }
    void SetCaption(const std::string& caption) override { this->Put("Caption", caption); }
    std::string TooltipText() override { return this->Str("TooltipText"); }
    void SetTooltipText(const std::string& text) override { this->Put("TooltipText", text); }
    std::string Tag() override { return this->Str("Tag"); }
    void SetTag(const std::string& tag) override { this->Put("Tag", tag); }
    std::string OnAction() override { return this->Str("OnAction"); }
    void SetOnAction(const std::string& action) override { this->Put("OnAction", action); }
    std::string Parameter() override { return this->Str("Parameter"); }
    void SetParameter(const std::string& parameter) override { this->Put("Parameter", parameter); }
    bool BeginGroup() override { return this->Bool("BeginGroup"); }
    void SetBeginGroup(bool beginGroup) override { this->Put("BeginGroup", beginGroup); }
    bool Enabled() override { return this->Bool("Enabled"); }
    void SetEnabled(bool enabled) override { this->Put("Enabled", enabled); }
    bool Visible() override { return this->Bool("Visible"); }
    void SetVisible(bool visible) override { this->Put("Visible", visible); }
    bool Temporary() override { return this->Bool("Temporary"); }
    void Move(const Ref<host::CommandBar>& bar, std::optional<std::int32_t> before) override {
        const Variant target = bar ? Variant(DispatchOf(bar.get())) : Variant(Variant::Missing{});
        this->Call("Move", target, before);
    }
    void Delete(std::optional<bool> temporary) override { this->Call("Delete", temporary); }
    void Execute() override { this->Call("Execute"); }
    // A control stands on a bar; a popup's controls on the popup's own bar.
    Ref<host::HostObject> Parent() override {
        return this->template Object<host::CommandBar>("Parent");
    }
};

}  // namespace pwk::win
