#pragma once

#include <ocidl.h>
#include <oleidl.h>

#include <vector>

#include "win/combase/UntypedDispatch.h"
#include "win/optionspage/HostPageInterfaces.h"

namespace pwk::testhost {

// Where the test host's options dialog holds an add-in's page, as the host's dialog does: the
// page's client site, its in-place site in the dialog's window at the page's place, its
// control site (the keys a page gives back to the dialog) and the host's PropertyPageSite,
// which counts the page's OnStatusChange calls. It has no container: the page finds the
// PropertyPageSite on the client site itself.
class TestPageSite final
    : public win::UntypedDispatch<win::ProgramLifetime, win::HostPropertyPageSite, IOleClientSite,
                                  IOleInPlaceSite, IOleControlSite> {
  public:
    TestPageSite(HWND dialog, const RECT& place) : dialog_(dialog), place_(place) {}

    int StatusChanges() const { return statusChanges_; }
    bool InPlaceActive() const { return inPlaceActive_; }
    // The keys the page handed back to the dialog (TranslateAccelerator), in order.
    const std::vector<WPARAM>& KeysGivenBack() const { return keysGivenBack_; }

    // OnStatusChange also late-bound, by its number.
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                     EXCEPINFO*, UINT*) override {
        return member == win::DispIdOnStatusChange ? OnStatusChange() : DISP_E_MEMBERNOTFOUND;
    }

    HRESULT STDMETHODCALLTYPE get_Application(IDispatch**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Class(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Session(IDispatch**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Parent(IDispatch**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnStatusChange() override {
        ++statusChanges_;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE SaveObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override;
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override {
        inPlaceActive_ = true;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame,
                                               IOleInPlaceUIWindow** document, LPRECT position,
                                               LPRECT clip, LPOLEINPLACEFRAMEINFO info) override;
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override {
        inPlaceActive_ = false;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }

    HRESULT STDMETHODCALLTYPE OnControlInfoChanged() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE LockInPlaceActive(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetExtendedControl(IDispatch** control) override;
    HRESULT STDMETHODCALLTYPE TransformCoords(POINTL*, POINTF*, DWORD) override {
        return E_NOTIMPL;
    }
    // Enter and Escape are the dialog's OK and Cancel: taken; anything else is not the dialog's.
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG* message, DWORD modifiers) override;
    HRESULT STDMETHODCALLTYPE OnFocus(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ShowPropertyFrame() override { return E_NOTIMPL; }

  private:
    // IOleWindow, which the in-place site is built on.
    void* InterfaceOf(REFIID iid) override;

    HWND dialog_;
    RECT place_;
    int statusChanges_ = 0;
    bool inPlaceActive_ = false;
    std::vector<WPARAM> keysGivenBack_;
};

}  // namespace pwk::testhost
