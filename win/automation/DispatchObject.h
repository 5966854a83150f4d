#pragma once

#include <ocidl.h>

#include <atomic>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "win/automation/ConnectionPoint.h"
#include "win/automation/DispatchCall.h"
#include "win/combase/ComPtr.h"
#include "win/combase/Variant.h"

namespace pwk::win {

// One object as a client sees it over IDispatch: a table of named members (matched without
// regard to case, numbered in the order they were added), the connection points of its event
// interfaces, and its reference count for the tests to read. A member that fails (DispatchFailure
// or the add-in's Failure) reaches the caller as an automation exception with the number and
// the text; nothing else escapes a call either.
class DispatchObject final : public IDispatch, public IConnectionPointContainer {
  public:
    using Handler = std::function<void(DispatchCall&)>;

    static win::ComPtr<DispatchObject> Make();

    // A member answered by `handler` (a property read or write, or a method call).
    DispatchObject& Member(const std::string& name, Handler handler);
    // A property holding a value: reads answer it, writes replace it.
    DispatchObject& Value(const std::string& name, const win::Variant& value);
    // A property answering an object of the host.
    DispatchObject& Object(const std::string& name, const win::ComPtr<DispatchObject>& object);
    DispatchObject& Events(const IID& events);
    // Who raises the failures of this object's members (the exception's source), unless the
    // failure names its own.
    DispatchObject& Source(std::string source);
    // Runs `gone` when the last reference goes, after the members are dropped.
    DispatchObject& WhenGone(std::function<void()> gone);
    // Replaces what the property `name` (made by Value) holds, as the host's own changes do.
    void Assign(const std::string& name, const win::Variant& value);

    // Raises the event `member` of `events` on every connected sink: the first failure a sink
    // answered, S_OK when none did (or nobody listens).
    HRESULT Fire(const IID& events, DISPID member, std::vector<VARIANT> args);
    // Ends every connection and drops every member, so that objects referring to each other
    // let go (the host shutting down).
    void Clear();

    const win::Variant& ValueOf(const std::string& name) const;
    ULONG References() const { return references_; }
    std::size_t Connected(const IID& events) const;
    // How often a client asked for the number of `name`.
    int Lookups(const std::string& name) const;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argError) override;
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) override;
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

  private:
    DispatchObject() = default;
    ~DispatchObject();
    ConnectionPoint* PointOf(const IID& events) const;

    struct Entry {
        std::string Name;
        Handler Handle;
        int Lookups = 0;
    };
    std::atomic<ULONG> references_{1};
    std::vector<Entry> members_;  // a member's number is its index + 1
    std::map<std::string, win::Variant> values_;
    std::vector<ConnectionPoint*> points_;
    std::string source_ = "Test host";
    std::function<void()> gone_;
};

}  // namespace pwk::win
