#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "src/options/OptionsPageModel.h"

namespace pwk::scenario {

// The add-in's options page as the options dialog drives it, the way a user does on the page:
// the page's logic in this process (the add-in built into the runner), or the component's own
// page through COM. Each call answers as the page's logic does: false with Message() saying
// why.
class PageDriver {
  public:
    using Row = OptionsPageModel::Row;
    using Switch = OptionsPageModel::Switch;

    // What the page says of itself: its caption, the help file its GetPageInfo names, and the
    // add-in it belongs to as the application information it was given names it.
    struct About {
        std::string Caption;
        std::string HelpFile;
        std::string Title;
        std::string Version;  // "2.1.158"
    };

    virtual ~PageDriver() = default;

    virtual About Describe() = 0;

    virtual std::vector<Row> Rows() = 0;
    virtual std::vector<Switch> Switches() = 0;
    virtual std::int32_t LogLevel() = 0;
    virtual std::string LogPath() = 0;
    virtual std::string LogFilename() = 0;

    // The user presses Add and picks three folders in the mail client's picker.
    virtual bool AddPicked(const std::string& attachDir) = 0;
    virtual bool Remove(std::int32_t position) = 0;
    virtual bool SetSwitch(const std::string& name, bool on) = 0;
    virtual bool SetLogLevel(const std::string& text) = 0;
    virtual bool SetLogLocation(const std::string& path, const std::string& filename) = 0;
    virtual bool Dirty() = 0;
    // The user presses OK or Apply.
    virtual bool Apply() = 0;
    virtual std::string Message() = 0;
};

}  // namespace pwk::scenario
