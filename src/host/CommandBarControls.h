#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "src/host/HostObject.h"
#include "src/util/Ref.h"

namespace pwk::host {

class CommandBarControl;

// The controls of a bar or a popup, numbered from 1.
class CommandBarControls : public HostObject {
  public:
    std::string TypeName() const override { return "CommandBarControls"; }

    virtual std::int32_t Count() = 0;
    virtual Ref<CommandBarControl> Item(std::int32_t index) = 0;  // 5 when absent
    virtual Ref<CommandBarControl> Item(const std::string& caption) = 0;
    // Adds a control of `type` (ControlType) before position `before` (at the end when not
    // given); a temporary control goes away when its window closes.
    virtual Ref<CommandBarControl> Add(int type, std::optional<int> id = std::nullopt,
                                       const std::string& parameter = "",
                                       std::optional<std::int32_t> before = std::nullopt,
                                       bool temporary = false) = 0;
};

}  // namespace pwk::host
