#pragma once

#include <ocidl.h>

#include <memory>

#include "win/automation/DispatchObject.h"
#include "win/combase/ComPtr.h"
#include "win/combase/UntypedDispatch.h"
#include "win/optionspage/HostPageInterfaces.h"

namespace pwk {
class Component;
}

namespace pwk::win {

class PageBinding;

// The add-in's page of the host's options dialog ("WicklineProps.PWKProps"): the host's
// PropertyPage over the page's logic, its members over IDispatch (PageMembers.h) for the
// add-in's late-bound Initialize and for scripts, and IPersistStreamInit with nothing to
// persist, which names the page's class. Every slot answers the host S_OK or a plain HRESULT:
// no failure of ours reaches the dialog.
class OptionsPageObject final
    : public UntypedDispatch<ServerLifetime, HostPropertyPage, IPersistStreamInit> {
  public:
    OptionsPageObject(Component& component, const CLSID& clsid);

    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argError) override;

    // HostPropertyPage: the help file the add-in gave, context 0; Dirty as the logic says;
    // Apply saves (the page keeps its changes when the save was refused).
    HRESULT STDMETHODCALLTYPE GetPageInfo(BSTR* helpFile, long* helpContext) override;
    HRESULT STDMETHODCALLTYPE get_Dirty(VARIANT_BOOL* dirty) override;
    HRESULT STDMETHODCALLTYPE Apply() override;

    // IPersistStreamInit: the page keeps no properties of its own.
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) override;
    HRESULT STDMETHODCALLTYPE IsDirty() override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE Load(IStream*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Save(IStream*, BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER* size) override;
    HRESULT STDMETHODCALLTYPE InitNew() override { return S_OK; }

  private:
    ~OptionsPageObject() override;
    // IPersist as well, which the persistence interface is built on.
    void* InterfaceOf(REFIID iid) override;

    CLSID clsid_;
    std::shared_ptr<PageBinding> binding_;
    ComPtr<ServerObject> members_;
};

}  // namespace pwk::win
