#pragma once

#include "src/host/CommandBars.h"
#include "src/host/Explorer.h"
#include "src/host/MAPIFolder.h"
#include "src/host/Selection.h"
#include "win/dispatch/DispatchAdapter.h"
#include "win/dispatch/HostEvents.h"

namespace pwk::win {

class DispatchExplorer final : public DispatchAdapter<host::Explorer> {
  public:
    using DispatchAdapter::DispatchAdapter;
    Ref<host::CommandBars> GetCommandBars() override {
        return Object<host::CommandBars>("CommandBars");
    }
    Ref<host::MAPIFolder> CurrentFolder() override {
        return Object<host::MAPIFolder>("CurrentFolder");
    }
    Ref<host::Selection> GetSelection() override { return Object<host::Selection>("Selection"); }
    Connection Advise(host::ExplorerEvents& sink) override {
        return AdviseExplorer(Dispatch(), sink);
    }
};

}  // namespace pwk::win
