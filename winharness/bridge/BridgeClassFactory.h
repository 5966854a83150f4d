#pragma once

#include <unknwn.h>

#include <atomic>

#include "src/platform/ObjectFactories.h"

namespace pwk::bridge {

// The class object of a component the host's machine offers by ProgID, made by `factory` and
// handed out as its bridge. A factory that makes nothing is a failure to create.
class BridgeClassFactory final : public IClassFactory {
  public:
    explicit BridgeClassFactory(ObjectFactories::Factory factory) : factory_(std::move(factory)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

  private:
    ~BridgeClassFactory() = default;

    std::atomic<ULONG> references_{1};
    ObjectFactories::Factory factory_;
};

}  // namespace pwk::bridge
