#pragma once

#include <oaidl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tools/scenario/PageDriver.h"
#include "win/combase/ComPtr.h"
#include "win/dispatch/PlainObject.h"

namespace pwk::simrun {

// The component's own options page as the options dialog drives it with `--com`: every call
// is a late-bound call of the page's members, which answer as the page's logic does; the help
// file comes from the host's own slot, GetPageInfo.
class ComPageDriver final : public scenario::PageDriver {
  public:
    // `page` is the component's page, initialized with the add-in's live settings.
    explicit ComPageDriver(const win::ComPtr<IDispatch>& page);

    // The component's page among the options dialog's pages: `page` is of the class the
    // component registers under the page's ProgID and has the add-in's settings. False for any
    // other object.
    static bool IsComponentPage(const win::ComPtr<IDispatch>& page);

    About Describe() override;
    std::vector<Row> Rows() override;
    std::vector<Switch> Switches() override;
    std::int32_t LogLevel() override;
    std::string LogPath() override;
    std::string LogFilename() override;
    bool AddPicked(const std::string& attachDir) override;
    bool Remove(std::int32_t position) override;
    bool SetSwitch(const std::string& name, bool on) override;
    bool SetLogLevel(const std::string& text) override;
    bool SetLogLocation(const std::string& path, const std::string& filename) override;
    bool Dirty() override;
    bool Apply() override;
    std::string Message() override;

  private:
    std::string HelpFile() const;

    win::PlainObject<struct OptionsPageKind> page_;
};

}  // namespace pwk::simrun
