#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "src/host/HostObject.h"
#include "src/util/Ref.h"

namespace pwk::host {

class CommandBar;

// A control on a bar or in a popup. Every member fails once the control has been deleted.
class CommandBarControl : public HostObject {
  public:
    std::string TypeName() const override { return "CommandBarControl"; }

    virtual int Id() = 0;
    virtual int Type() = 0;
    virtual std::string Caption() = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual std::string TooltipText() = 0;
    virtual void SetTooltipText(const std::string& text) = 0;
    virtual std::string Tag() = 0;
    virtual void SetTag(const std::string& tag) = 0;
    virtual std::string OnAction() = 0;
    virtual void SetOnAction(const std::string& action) = 0;
    virtual std::string Parameter() = 0;
    virtual void SetParameter(const std::string& parameter) = 0;
    virtual bool BeginGroup() = 0;
    virtual void SetBeginGroup(bool beginGroup) = 0;
    virtual bool Enabled() = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool Visible() = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual bool Temporary() = 0;

    // Moves the control before position `before` of `bar` (its own bar when not given).
    virtual void Move(const Ref<CommandBar>& bar = nullptr,
                      std::optional<std::int32_t> before = std::nullopt) = 0;
    virtual void Delete(std::optional<bool> temporary = std::nullopt) = 0;
    // Runs the control's action: a built-in control its command; an add-in's button (OnAction
    // "<!ProgID>") raises its Click event, as a click does.
    virtual void Execute() = 0;
    // The bar or popup the control stands on.
    virtual Ref<HostObject> Parent() = 0;
};

}  // namespace pwk::host
