#pragma once

#include "src/host/MapiSession.h"
#include "win/dispatch/DispatchAdapter.h"
#include "win/dispatch/PlainObject.h"

namespace pwk::win {

class DispatchMapiMessage final : public DispatchAdapter<host::MapiMessage> {
  public:
    using DispatchAdapter::DispatchAdapter;
    std::string SenderAddress() override {
        return PlainObject<struct Sender>(Get("Sender")).Get("Address").ToString();
    }
};

}  // namespace pwk::win
