#pragma once

#include <unknwn.h>

namespace pwk::win {

// The class object of one of the component's classes: CreateInstance makes a new object with
// `make`. Class objects live as long as the DLL (statics), so they count toward DllCanUnloadNow
// only through LockServer.
class ClassFactory : public IClassFactory {
  public:
    // Makes a new object and hands over its one reference; throws when it cannot.
    using Make = IUnknown* (*)();

    explicit ClassFactory(Make make) : make_(make) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

  private:
    Make make_;
};

}  // namespace pwk::win
