#pragma once

#include <string>

#include "src/component/Component.h"
#include "src/resources/Version.h"

namespace pwk {

// What the component tells other components about itself: its title, folder, version and
// help file.
struct ApplicationInfo {
    std::string Title;
    std::string Path;
    pwk::Version Version{};
    std::string HelpFile;

    static ApplicationInfo Of(const Component& component) {
        Platform& platform = component.platform();
        return ApplicationInfo{platform.AppTitle(), platform.AppPath(), component.version(),
                               component.HelpFile};
    }
};

}  // namespace pwk
