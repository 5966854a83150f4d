// One IUnknown for every class: what QueryInterface answers (the listed interfaces, their
// IDispatch, one identity), and what each lifetime does to the object and to the module.
#include <objbase.h>
#include <ocidl.h>
#include <olectl.h>

#include "src/util/Failure.h"
#include "tests/win/support/Check.h"
#include "win/com/IDTExtensibility2.h"
#include "win/combase/ClassFactory.h"
#include "win/combase/ComObject.h"
#include "win/combase/ModuleCount.h"
#include "win/combase/UntypedDispatch.h"

using pwk::win::ComPtr;
using pwk::win::IDTExtensibility2;
using pwk::win::MakeCom;
using pwk::win::ModuleCount;

namespace {

// An add-in with events: two interfaces, one of them built on IDispatch.
template <class Lifetime>
class AddIn final
    : public pwk::win::UntypedDispatch<Lifetime, IDTExtensibility2, IConnectionPointContainer> {
  public:
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE OnConnection(IDispatch*, int, IDispatch*, SAFEARRAY**) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnDisconnection(int, SAFEARRAY**) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY**) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY**) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY**) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID, IConnectionPoint**) override {
        return CONNECT_E_NOCONNECTION;
    }
};

using ServerAddIn = AddIn<pwk::win::ServerLifetime>;
using ProgramAddIn = AddIn<pwk::win::ProgramLifetime>;

// The pointer QueryInterface hands out for `iid` (its reference given back); null when refused.
void* Query(IUnknown* object, const IID& iid) {
    void* found = reinterpret_cast<void*>(1);
    if (SUCCEEDED(object->QueryInterface(iid, &found))) {
        ComPtr<IUnknown>::Attach(static_cast<IUnknown*>(found));
    }
    return found;
}

TEST_CASE("QueryInterface answers the listed interfaces, IDispatch under them, one identity") {
    const auto addIn = MakeCom<ProgramAddIn>();
    IUnknown* identity = addIn->Identity();
    CHECK(Query(identity, __uuidof(IDTExtensibility2)) ==
          static_cast<IDTExtensibility2*>(addIn.Get()));
    CHECK(Query(identity, __uuidof(IDispatch)) == static_cast<IDispatch*>(addIn.Get()));
    auto* container = static_cast<IConnectionPointContainer*>(addIn.Get());
    CHECK(Query(identity, __uuidof(IConnectionPointContainer)) == container);
    // The same IUnknown whichever interface is asked, the one COM compares.
    CHECK(Query(container, __uuidof(IUnknown)) == identity);
    CHECK(Query(identity, __uuidof(IUnknown)) == identity);
    // Anything else is refused, with nothing handed out.
    CHECK(Query(identity, __uuidof(IConnectionPoint)) == nullptr);
    CHECK(Query(identity, __uuidof(IClassFactory)) == nullptr);
    CHECK_EQ(addIn->QueryInterface(__uuidof(IDispatch), nullptr), E_POINTER);
    CHECK_EQ(addIn->References(), ULONG{1});
}

TEST_CASE("a server's objects keep its module until the last release; a program's do not") {
    CHECK(ModuleCount::IsIdle());
    {
        const auto first = MakeCom<ServerAddIn>();
        ComPtr<IDispatch> second = first.As<IDispatch>();
        CHECK(!ModuleCount::IsIdle());
        const auto other = MakeCom<ProgramAddIn>();
        second.Reset();
        CHECK(!ModuleCount::IsIdle());
    }
    CHECK(ModuleCount::IsIdle());
    {
        const auto other = MakeCom<ProgramAddIn>();
        CHECK(ModuleCount::IsIdle());
    }
}

using ServerFactory = pwk::win::ClassFactory<pwk::win::ServerStaticLifetime>;

TEST_CASE("a class object lives with its module; its locks and its objects keep the module") {
    static ServerFactory factory([] { return MakeCom<ServerAddIn>().As<IUnknown>(); });
    factory.AddRef();
    CHECK_EQ(factory.Release(), ULONG{1});
    CHECK_EQ(factory.Release(), ULONG{0});  // a static: nothing freed
    CHECK(ModuleCount::IsIdle());
    factory.LockServer(TRUE);
    CHECK(!ModuleCount::IsIdle());
    factory.LockServer(FALSE);
    CHECK(ModuleCount::IsIdle());

    ComPtr<IDTExtensibility2> made;
    CHECK(SUCCEEDED(factory.CreateInstance(nullptr, __uuidof(IDTExtensibility2),
                                           reinterpret_cast<void**>(made.Out()))));
    CHECK(made);
    CHECK(!ModuleCount::IsIdle());
    made.Reset();
    CHECK(ModuleCount::IsIdle());
}

TEST_CASE("a class object refuses aggregation and answers its maker's failure") {
    ServerFactory failing(
        []() -> ComPtr<IUnknown> { throw pwk::Failure(429, "ActiveX component can't create"); });
    ServerFactory empty([] { return ComPtr<IUnknown>(); });
    void* made = reinterpret_cast<void*>(1);
    CHECK_EQ(failing.CreateInstance(nullptr, __uuidof(IDispatch), &made),
             MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, 429));
    CHECK(made == nullptr);
    CHECK_EQ(empty.CreateInstance(nullptr, __uuidof(IDispatch), &made), E_UNEXPECTED);
    const auto outer = MakeCom<ProgramAddIn>();
    CHECK_EQ(failing.CreateInstance(outer->Identity(), __uuidof(IUnknown), &made),
             CLASS_E_NOAGGREGATION);
    CHECK(ModuleCount::IsIdle());
}

}  // namespace
