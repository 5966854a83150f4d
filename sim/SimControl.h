#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "sim/SimBase.h"
#include "sim/SimControlState.h"
#include "src/util/Ref.h"

namespace pwk::sim {

// The members every control interface shares, over the control's state.
template <class Interface>
class SimControl : public SimBase<Interface, SimControlState> {
  public:
    int Id() override { return Get(this->Spec.Id, "Id"); }
    int Type() override { return Get(this->Spec.Type, "Type"); }
    std::string Caption() override { return Get(this->Spec.Caption, "Caption"); }
    void SetCaption(const std::string& caption) override {
        Set(this->Spec.Caption, caption, "Caption");
        this->CaptionChanged();
    }
    std::string TooltipText() override { return Get(this->Spec.TooltipText, "TooltipText"); }
    void SetTooltipText(const std::string& text) override {
        Set(this->Spec.TooltipText, text, "TooltipText");
    }
    std::string Tag() override { return Get(this->Spec.Tag, "Tag"); }
    void SetTag(const std::string& tag) override { Set(this->Spec.Tag, tag, "Tag"); }
    std::string OnAction() override { return Get(this->Spec.OnAction, "OnAction"); }
    void SetOnAction(const std::string& action) override {
        Set(this->Spec.OnAction, action, "OnAction");
    }
    std::string Parameter() override { return Get(this->Spec.Parameter, "Parameter"); }
    void SetParameter(const std::string& parameter) override {
        Set(this->Spec.Parameter, parameter, "Parameter");
    }
    bool BeginGroup() override { return Get(this->Spec.BeginGroup, "BeginGroup"); }
    void SetBeginGroup(bool beginGroup) override {
        Set(this->Spec.BeginGroup, beginGroup, "BeginGroup");
    }
    bool Enabled() override { return Get(this->Spec.Enabled, "Enabled"); }
    void SetEnabled(bool enabled) override { Set(this->Spec.Enabled, enabled, "Enabled"); }
    bool Visible() override { return Get(this->Spec.Visible, "Visible"); }
    void SetVisible(bool visible) override { Set(this->Spec.Visible, visible, "Visible"); }
    bool Temporary() override { return Get(this->SimControlState::Temporary, "Temporary"); }

    void Move(const Ref<host::CommandBar>& bar, std::optional<std::int32_t> before) override {
        this->Enter("Move");
        this->MoveNow(bar, before);
    }
    void Delete(std::optional<bool> /*temporary*/) override {
        this->Enter("Delete");
        this->DeleteNow();
    }
    void Execute() override {
        this->Enter("Execute");
        this->ExecuteNow();
    }
    Ref<host::HostObject> Parent() override {
        if (this->EnterGetter("Parent")) {
            return nullptr;
        }
        return this->ParentBar();
    }

  protected:
    explicit SimControl(std::shared_ptr<SimCore> core)
        : SimBase<Interface, SimControlState>(std::move(core)) {}

  private:
    template <class Value>
    Value Get(const Value& value, const char* member) const {
        this->Enter(member);
        return value;
    }
    template <class Value>
    void Set(Value& field, const Value& value, const char* member) {
        this->Enter(member);
        field = value;
    }
};

}  // namespace pwk::sim
