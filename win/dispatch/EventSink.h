#pragma once

#include <oaidl.h>

#include <functional>
#include <map>

#include "src/util/Connection.h"
#include "win/combase/UntypedDispatch.h"
#include "win/dispatch/EventArgs.h"

namespace pwk::win {

// The add-in's end of one event interface of one host object: a COM object the host calls
// through IDispatch::Invoke with the event's member number. Events nobody handles are
// answered and dropped; a handler never passes a failure back to the host. The host holds the
// sink while it is connected, which keeps the component loaded.
class EventSink final : public UntypedDispatch<ServerLifetime, IDispatch> {
  public:
    using Handler = std::function<void(EventArgs&)>;
    using Handlers = std::map<DISPID, Handler>;

    // Connects a new sink for `events` to `source`'s connection point; the connection ends
    // (and the host lets go of the sink) when the returned Connection goes.
    static Connection Advise(IDispatch* source, const IID& events, Handlers handlers);

    EventSink(const IID& events, Handlers handlers)
        : events_(events), handlers_(std::move(handlers)) {}

    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argError) override;

  private:
    ~EventSink() override = default;
    // The host asks the sink for the event interface itself.
    void* InterfaceOf(REFIID iid) override;

    IID events_;
    Handlers handlers_;
};

}  // namespace pwk::win
