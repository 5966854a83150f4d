// The type library embedded in PWKCommon.dll against the objects of the DLL: registered with
// it, found by its identity, describing every class the DLL registers and nothing else, and for
// each class the members and numbers its object answers over IDispatch, no more and no fewer.
// The classes are read from the component's own list, so a new class is checked as it is added.
#include <objbase.h>
#include <ocidl.h>
#include <windows.h>

#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "src/resources/Version.h"
#include "tests/win/support/Check.h"
#include "tests/win/support/CommandLine.h"
#include "tests/win/support/ComponentCalls.h"
#include "win/com/ComponentIds.h"
#include "win/combase/ComPtr.h"
#include "win/combase/WideText.h"
#include "win/platform/RegistryKey.h"

using pwk::win::ComponentClass;
using pwk::win::ComponentClasses;
using pwk::win::ComPtr;

namespace {

std::wstring ComponentPath() {
    return pwk::wintest::Argument(1);
}

ComPtr<ITypeLib> RegisteredLibrary() {
    ComPtr<ITypeLib> library;
    LoadRegTypeLib(pwk::win::LIBID_Parleywick, static_cast<WORD>(pwk::ComponentVersion.Major),
                   static_cast<WORD>(pwk::ComponentVersion.Minor), 0, library.Out());
    return library;
}

// One member of a dispatch interface: its name and number.
using Member = std::pair<std::string, MEMBERID>;

std::string NameOf(ITypeInfo& info, MEMBERID id) {
    BSTR name = nullptr;
    info.GetDocumentation(id, &name, nullptr, nullptr, nullptr);
    const std::string text = name != nullptr ? pwk::win::Narrow(name, SysStringLen(name)) : "";
    SysFreeString(name);
    return text;
}

// The members of a dispatch interface (a property's get and put are one member).
std::vector<Member> MembersOf(ITypeInfo& info) {
    TYPEATTR* attributes = nullptr;
    if (FAILED(info.GetTypeAttr(&attributes))) {
        return {};
    }
    std::set<MEMBERID> seen;
    std::vector<Member> members;
    const auto add = [&](MEMBERID id) {
        if (seen.insert(id).second) {
            members.emplace_back(NameOf(info, id), id);
        }
    };
    for (UINT index = 0; index < attributes->cFuncs; ++index) {
        FUNCDESC* function = nullptr;
        if (SUCCEEDED(info.GetFuncDesc(index, &function))) {
            add(function->memid);
            info.ReleaseFuncDesc(function);
        }
    }
    for (UINT index = 0; index < attributes->cVars; ++index) {
        VARDESC* variable = nullptr;
        if (SUCCEEDED(info.GetVarDesc(index, &variable))) {
            add(variable->memid);
            info.ReleaseVarDesc(variable);
        }
    }
    info.ReleaseTypeAttr(attributes);
    return members;
}

// The interfaces a class names: its default dispatch interface, and its event interface.
struct Interfaces {
    ComPtr<ITypeInfo> Dispatch;
    ComPtr<ITypeInfo> Events;
};

Interfaces InterfacesOf(ITypeInfo& coclass) {
    Interfaces found;
    TYPEATTR* attributes = nullptr;
    if (FAILED(coclass.GetTypeAttr(&attributes))) {
        return found;
    }
    for (UINT index = 0; index < attributes->cImplTypes; ++index) {
        INT flags = 0;
        HREFTYPE reference = 0;
        ComPtr<ITypeInfo> implemented;
        if (FAILED(coclass.GetImplTypeFlags(index, &flags)) ||
            FAILED(coclass.GetRefTypeOfImplType(index, &reference)) ||
            FAILED(coclass.GetRefTypeInfo(reference, implemented.Out())) ||
            (flags & IMPLTYPEFLAG_FDEFAULT) == 0) {
            continue;
        }
        ((flags & IMPLTYPEFLAG_FSOURCE) != 0 ? found.Events : found.Dispatch) = implemented;
    }
    coclass.ReleaseTypeAttr(attributes);
    return found;
}

IID IdOf(ITypeInfo& info) {
    TYPEATTR* attributes = nullptr;
    IID id = IID_NULL;
    if (SUCCEEDED(info.GetTypeAttr(&attributes))) {
        id = attributes->guid;
        info.ReleaseTypeAttr(attributes);
    }
    return id;
}

// Each member of the library's interface is answered by the object under its name with the
// same number; the object numbers its members from 1 without gaps, so a library whose members
// are 1..N and an object without a member N + 1 have the same members.
void CheckMembers(const ComponentClass& each, IDispatch& object, ITypeInfo& dispatch) {
    const std::vector<Member> members = MembersOf(dispatch);
    CHECK(!members.empty());
    std::set<MEMBERID> numbers;
    for (const auto& [name, number] : members) {
        std::wstring wide = pwk::win::Widen(name);
        LPOLESTR names[] = {wide.data()};
        DISPID answered = DISPID_UNKNOWN;
        const HRESULT found = object.GetIDsOfNames(IID_NULL, names, 1, 0, &answered);
        if (found != S_OK || answered != number) {
            pwk::wintest::Fail(__FILE__, __LINE__,
                               pwk::win::Narrow(each.ProgID) + "." + name + ": the library says " +
                                   std::to_string(number) + ", the object answers " +
                                   (found == S_OK ? std::to_string(answered) : "no such member"));
        }
        numbers.insert(number);
    }
    CHECK_EQ(*numbers.begin(), 1);
    CHECK_EQ(static_cast<std::size_t>(*numbers.rbegin()), numbers.size());
    DISPPARAMS none{};
    const HRESULT beyond =
        object.Invoke(static_cast<DISPID>(numbers.size() + 1), IID_NULL, 0,
                      DISPATCH_METHOD | DISPATCH_PROPERTYGET, &none, nullptr, nullptr, nullptr);
    if (beyond != DISP_E_MEMBERNOTFOUND) {
        pwk::wintest::Fail(__FILE__, __LINE__,
                           pwk::win::Narrow(each.ProgID) + " answers member " +
                               std::to_string(numbers.size() + 1) +
                               ", which the library does not have");
    }
}

// The event interface the library names is one the object offers a connection point for; an
// object of a class without one is no connection point container.
void CheckEvents(IDispatch& object, const ComPtr<ITypeInfo>& events) {
    ComPtr<IConnectionPointContainer> container;
    object.QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(container.Out()));
    if (!events) {
        CHECK(!container);
        return;
    }
    ComPtr<IConnectionPoint> point;
    CHECK(container && container->FindConnectionPoint(IdOf(*events.Get()), point.Out()) == S_OK);
}

}  // namespace

TEST_CASE("the type library is registered with the DLL and describes each of its classes") {
    const ComPtr<ITypeLib> library = RegisteredLibrary();
    CHECK(library);
    if (!library) {
        return;
    }
    // Described: every class the DLL registers, and no other.
    CHECK_EQ(library->GetTypeInfoCount() > 0, true);
    std::size_t coclasses = 0;
    for (UINT index = 0; index < library->GetTypeInfoCount(); ++index) {
        TYPEKIND kind = TKIND_MAX;
        library->GetTypeInfoType(index, &kind);
        coclasses += kind == TKIND_COCLASS ? 1 : 0;
    }
    CHECK_EQ(coclasses, ComponentClasses.size());

    for (const ComponentClass& each : ComponentClasses) {
        ComPtr<ITypeInfo> coclass;
        CHECK(SUCCEEDED(library->GetTypeInfoOfGuid(*each.Clsid, coclass.Out())));
        const auto object = ComPtr<IDispatch>::Create(*each.Clsid);
        CHECK(object);
        if (!coclass || !object) {
            pwk::wintest::Fail(__FILE__, __LINE__,
                               pwk::win::Narrow(each.ProgID) + " cannot be compared");
            continue;
        }
        const Interfaces interfaces = InterfacesOf(*coclass.Get());
        CHECK(interfaces.Dispatch);
        if (interfaces.Dispatch) {
            CheckMembers(each, *object.Get(), *interfaces.Dispatch.Get());
        }
        CheckEvents(*object.Get(), interfaces.Events);
    }
}

TEST_CASE("the library's registration names this DLL for the platform") {
    const std::wstring key = std::wstring(L"TypeLib\\") + pwk::win::TypeLibraryIdText + L"\\" +
                             std::to_wstring(pwk::ComponentVersion.Major) + L"." +
                             std::to_wstring(pwk::ComponentVersion.Minor) +
                             (sizeof(void*) == 8 ? L"\\0\\win64" : L"\\0\\win32");
    const auto library = pwk::win::RegistryKey::Open(HKEY_CLASSES_ROOT, key);
    const auto server = pwk::win::RegistryKey::Open(
        HKEY_CLASSES_ROOT,
        std::wstring(L"CLSID\\") + pwk::win::ConnectClsidText + L"\\InprocServer32");
    CHECK(library && server);
    if (library && server) {
        const std::wstring path = library->GetString(L"").value_or(L"");
        CHECK(!path.empty() &&
              _wcsicmp(path.c_str(), server->GetString(L"").value_or(L"").c_str()) == 0);
    }
}

// The harness's main, with the component's path from the command line first: the component is
// registered for the run, and its removal must take the library's registration along.
int main() {
    const std::wstring path = ComponentPath();
    if (path.empty()) {
        std::printf("usage: test_win_typelib <path of PWKCommon.dll>\n");
        return 2;
    }
    if (pwk::wintest::Regsvr32(L"\"" + path + L"\"") != 0) {
        std::printf("regsvr32 failed\n");
        return 1;
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int failed = pwk::wintest::RunAll();
    CoFreeUnusedLibraries();
    pwk::wintest::Regsvr32(L"/u \"" + path + L"\"");
    if (RegisteredLibrary()) {
        std::printf("regsvr32 /u left the type library registered\n");
        ++failed;
    }
    CoUninitialize();
    return failed;
}
