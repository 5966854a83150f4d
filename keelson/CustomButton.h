#pragma once

#include <string>

namespace pwk::keelson {

// A button the client adds to the error dialog; a click comes back as CustomClick(index).
struct CustomButton {
    std::string Caption;
    std::string ToolTip;
};

}  // namespace pwk::keelson
