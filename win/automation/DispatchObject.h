#pragma once

#include <ocidl.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "win/automation/ConnectionPoint.h"
#include "win/automation/DispatchCall.h"
#include "win/combase/ComPtr.h"
#include "win/combase/UntypedDispatch.h"
#include "win/combase/Variant.h"

namespace pwk::win {

// One object as a client sees it over IDispatch: a table of named members (matched without
// regard to case, numbered in the order they were added), the connection points of its event
// interfaces, and its reference count for the tests to read. A member that fails reaches the
// caller as an automation exception with the failure's number and text (ComBoundary.h).
// `Lifetime` says whether the object keeps its module loaded: the component's own objects do
// (ServerObject), a test host's do not (DispatchObject).
template <class Lifetime>
class BasicDispatchObject final
    : public UntypedDispatch<Lifetime, IDispatch, IConnectionPointContainer> {
  public:
    using Handler = std::function<void(DispatchCall&)>;

    static ComPtr<BasicDispatchObject> Make() { return MakeCom<BasicDispatchObject>(); }

    // A member answered by `handler` (a property read or write, or a method call).
    BasicDispatchObject& Member(const std::string& name, Handler handler);
    // A property holding a value: reads answer it, writes replace it.
    BasicDispatchObject& Value(const std::string& name, const Variant& value);
    // The member `name` (added before) also answers DISPID_VALUE: the object's default value,
    // its text where a client takes the object as a text.
    BasicDispatchObject& Default(const std::string& name);
    // A property answering an object.
    BasicDispatchObject& Object(const std::string& name, const ComPtr<BasicDispatchObject>& object);
    BasicDispatchObject& Events(const IID& events);
    // Who raises the failures of this object's members (the exception's source), unless the
    // failure names its own.
    BasicDispatchObject& Source(std::string source);
    // Runs `gone` when the last reference goes, after the members are dropped.
    BasicDispatchObject& WhenGone(std::function<void()> gone);
    // Replaces what the property `name` (made by Value) holds, as the host's own changes do.
    void Assign(const std::string& name, const Variant& value);

    // Raises the event `member` of `events` on every connected sink: the first failure a sink
    // answered, S_OK when none did (or nobody listens).
    HRESULT Fire(const IID& events, DISPID member, std::vector<VARIANT> args);
    // Ends every connection and drops every member, so that objects referring to each other
    // let go (the host shutting down).
    void Clear();

    const Variant& ValueOf(const std::string& name) const;
    std::size_t Connected(const IID& events) const;
    // How often a client asked for the number of `name`.
    int Lookups(const std::string& name) const;

    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argError) override;
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) override;
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

  private:
    ~BasicDispatchObject() override;
    // An object without events is no connection point container.
    void* InterfaceOf(REFIID iid) override;

    struct Entry {
        std::string Name;
        Handler Handle;
        int Lookups = 0;
    };
    std::vector<Entry> members_;  // a member's number is its index + 1
    DISPID default_ = DISPID_UNKNOWN;
    std::map<std::string, Variant> values_;
    std::vector<ComPtr<ConnectionPoint<Lifetime>>> points_;
    std::string source_ = "Test host";
    std::function<void()> gone_;
};

// The component's own objects, which keep it loaded while a client holds one.
using ServerObject = BasicDispatchObject<ServerLifetime>;
// A program's own objects (a test host's host model).
using DispatchObject = BasicDispatchObject<ProgramLifetime>;

}  // namespace pwk::win
