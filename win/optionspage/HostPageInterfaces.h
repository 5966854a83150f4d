#pragma once

#include <oaidl.h>

namespace pwk::win {

// The host's interface of a page in its options dialog, declared by hand as the host publishes
// it: the dialog calls these slots after IDispatch's.
struct HostPropertyPage : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE GetPageInfo(BSTR* helpFile, long* helpContext) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Dirty(VARIANT_BOOL* dirty) = 0;
    virtual HRESULT STDMETHODCALLTYPE Apply() = 0;
};

// What the dialog offers the page it holds: the page tells it of every change
// (OnStatusChange), so that the dialog's Apply button reflects Dirty.
struct HostPropertyPageSite : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Application(IDispatch** application) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Class(long* objectClass) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Session(IDispatch** session) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Parent(IDispatch** parent) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnStatusChange() = 0;
};

// OnStatusChange's number, for a site reached late-bound.
inline constexpr DISPID DispIdOnStatusChange = 0x2100;

}  // namespace pwk::win

// Their IIDs, for __uuidof: {0006307E-0000-0000-C000-000000000046} and
// {0006307F-0000-0000-C000-000000000046}.
__CRT_UUID_DECL(pwk::win::HostPropertyPage, 0x0006307E, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00,
                0x00, 0x00, 0x00, 0x46)
__CRT_UUID_DECL(pwk::win::HostPropertyPageSite, 0x0006307F, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00,
                0x00, 0x00, 0x00, 0x46)
