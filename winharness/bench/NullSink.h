#pragma once

#include <oaidl.h>

#include "win/combase/UntypedDispatch.h"

namespace pwk::winbench {

// An event sink of one event interface that takes every event and does nothing with it: what
// a client with no logic of its own connects to the host's events.
class NullSink final : public win::UntypedDispatch<win::ProgramLifetime, IDispatch> {
  public:
    explicit NullSink(const IID& events) : events_(events) {}

    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result,
                                     EXCEPINFO*, UINT*) override {
        if (result != nullptr) {
            VariantInit(result);
        }
        return S_OK;
    }

  private:
    // The connection point asks for its event interface, which is this IDispatch.
    void* InterfaceOf(REFIID iid) override {
        return IsEqualIID(iid, events_) ? static_cast<IDispatch*>(this) : Listed(iid);
    }

    IID events_;
};

}  // namespace pwk::winbench
