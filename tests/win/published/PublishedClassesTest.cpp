// The component's settings classes created by ProgID from the registered DLL, as the options
// page creates them, and used over IDispatch only. Usage: test_win_published <dll>
#include <windows.h>

#include <map>
#include <string>

#include "src/tracking/SettingsLayout.h"
#include "src/util/Failure.h"
#include "tests/win/support/Check.h"
#include "tests/win/support/CommandLine.h"
#include "tests/win/support/ComponentCalls.h"
#include "win/automation/DispatchObject.h"
#include "win/combase/UntypedDispatch.h"
#include "win/combase/WideText.h"
#include "win/dispatch/PlainObject.h"
#include "win/platform/RegistrySettingsStore.h"
#include "win/published/SettingsObject.h"
#include "winharness/testhost/BoxAnswerer.h"

namespace {

using pwk::win::ComPtr;
using pwk::win::DispatchCall;
using pwk::win::DispatchObject;
using pwk::win::Variant;

// Each class numbers its members its own way: one adapter type per class.
using Settings = pwk::win::PlainObject<struct SettingsKind>;
using ErrorObject = pwk::win::PlainObject<struct ErrorObjectKind>;
using Foldersets = pwk::win::PlainObject<struct FoldersetsKind>;
using Folderset = pwk::win::PlainObject<struct FoldersetKind>;

std::wstring dllPath;

ComPtr<IDispatch> Create(const wchar_t* progId) {
    CLSID clsid{};
    if (FAILED(CLSIDFromProgID(progId, &clsid))) {
        return {};
    }
    return ComPtr<IDispatch>::Create(clsid);
}

HRESULT CanUnloadNow() {
    return pwk::wintest::CallExport(GetModuleHandleW(L"PWKCommon.dll"), "DllCanUnloadNow");
}

// A host namespace whose GetFolderFromID knows the folders "C1", "C2", "J" and "E" (any store)
// and fails for any other, as the host does.
struct HostNameSpace {
    ComPtr<DispatchObject> nameSpace = DispatchObject::Make();
    std::map<std::string, ComPtr<DispatchObject>> folders;

    HostNameSpace() {
        for (const char* id : {"C1", "C2", "J", "E"}) {
            folders[id] = DispatchObject::Make();
            folders[id]->Value("Name", std::string("Folder ") + id);
        }
        nameSpace->Member("GetFolderFromID", [this](DispatchCall& call) {
            const auto found = folders.find(call.Arg(0).ToString());
            if (found == folders.end()) {
                DispatchCall::Fail(0x107, "The operation failed.");
            }
            call.Return(Variant(static_cast<IDispatch*>(found->second.Get())));
        });
    }
    ~HostNameSpace() {
        nameSpace->Clear();
        for (auto& [id, folder] : folders) {
            folder->Clear();
        }
    }
    Variant Arg() const { return Variant(static_cast<IDispatch*>(nameSpace.Get())); }
};

// The current user's settings of the add-in, which the saving cases write, are removed.
void ForgetSettings() {
    try {
        pwk::win::RegistrySettingsStore().DeleteApplication("Parleywick");
    } catch (const pwk::Failure&) {
        // None stored.
    }
}

Variant Of(const ComPtr<IDispatch>& object) {
    return Variant(object.Get());
}

TEST_CASE("the settings' properties round-trip; numbers are checked for their width") {
    {
        const Settings settings(Of(Create(L"Wickline.RegSettings")));
        CHECK_EQ(settings.Get("LogLevel").ToInt32(), 0);
        settings.Put("loglevel", 7);  // names without regard to case
        CHECK_EQ(settings.Get("LogLevel").ToInt32(), 7);
        for (const char* flag : {"TrackUnlinkedEmail", "JournalEmails", "SaveLinksByRef",
                                 "FirstRun", "TrackAppointments", "UseSentMailFolder"}) {
            CHECK(!settings.Get(flag).ToBool());
            settings.Put(flag, true);
            CHECK(settings.Get(flag).ToBool());
        }
        settings.Put("PrevRunVersionMajor", -3);
        CHECK_EQ(settings.Get("PrevRunVersionMajor").ToInt32(), -3);
        // Older than the running add-in: an upgrade.
        CHECK(settings.Call("JustUpgraded").ToBool());
        settings.Put("PrevRunVersionMajor", 32767);
        CHECK(!settings.Call("JustUpgraded").ToBool());
        CHECK_FAILS(settings.Put("PrevRunVersionMinor", 70000), pwk::FailureNumber::Overflow);
        CHECK_FAILS(settings.Put("LogLevel", "many"), pwk::FailureNumber::TypeMismatch);
        CHECK_EQ(settings.Get("LogLevel").ToInt32(), 7);
    }
    CHECK_EQ(CanUnloadNow(), S_OK);
}

// Whether the object answers a read of `name`: a member it lacks fails the call.
bool Answers(const Settings& object, const char* name) {
    try {
        (void)object.Get(name);
        return true;
    } catch (const pwk::Failure&) {
        return false;
    }
}

// The object's members come from the settings layout: a name the layout gives that the object
// lacks, or a switch it cannot turn, fails here.
TEST_CASE("every property the settings layout names is there, and every switch turns") {
    {
        const Settings settings(Of(Create(L"Wickline.RegSettings")));
        int switches = 0;
        for (const pwk::SettingsLayout::Entry& entry : pwk::SettingsLayout::Entries()) {
            const char* name = entry.PropertyName();
            if (name == nullptr) {
                continue;
            }
            CHECK(Answers(settings, name));
            if (entry.IsSwitch()) {
                ++switches;
                settings.Put(name, true);
                CHECK(settings.Get(name).ToBool());
                settings.Put(name, false);
                CHECK(!settings.Get(name).ToBool());
            }
        }
        CHECK_EQ(switches, 5);
    }
    CHECK_EQ(CanUnloadNow(), S_OK);
}

TEST_CASE("the settings' collection is assigned by reference and read back as the same object") {
    {
        const Settings settings(Of(Create(L"Wickline.RegSettings")));
        CHECK(settings.Get("TrackedFoldersets").ToDispatch() == nullptr);
        const ComPtr<IDispatch> sets = Create(L"Wickline.TrackedFoldersets");
        settings.Put("TrackedFoldersets", sets.Get());
        CHECK(settings.Get("TrackedFoldersets").ToDispatch() == sets.Get());
        // Not one of ours: refused, and the collection stays.
        const ComPtr<DispatchObject> foreign = DispatchObject::Make();
        CHECK_FAILS(settings.Put("TrackedFoldersets", static_cast<IDispatch*>(foreign.Get())),
                    pwk::FailureNumber::TypeMismatch);
        CHECK(settings.Get("TrackedFoldersets").ToDispatch() == sets.Get());
        CHECK_EQ(CanUnloadNow(), S_FALSE);
    }
    CHECK_EQ(CanUnloadNow(), S_OK);
}

TEST_CASE("the collection adds by identifiers, refuses a tracked or missing contacts folder") {
    {
        const HostNameSpace host;
        const Foldersets sets(Of(Create(L"Wickline.TrackedFoldersets")));
        CHECK_EQ(sets.Call("Count").ToInt32(), 0);
        // RegIndex left out.
        CHECK(sets.Call("AddByIDs", "C1", "S", "J", "S", "E", "S", host.Arg()).ToBool());
        CHECK(!sets.Call("AddByIDs", "C1", "S", "J", "S", "E", "S", host.Arg()).ToBool());
        CHECK_EQ(sets.Call("GetFailReason").ToString(),
                 "A contact folder cannot be assigned to more than one tracked folderset");
        CHECK(!sets.Call("AddByIDs", "C9", "S", "J", "S", "E", "S", host.Arg(), 4).ToBool());
        CHECK_EQ(sets.Call("GetFailReason").ToString(),
                 "The specified contact folder was not found");
        CHECK_EQ(sets.Call("Count").ToInt32(), 1);
        CHECK_EQ(sets.Call("nextRegIndex").ToInt32(), 1);

        const Folderset first(sets.Call("Item", 1));
        CHECK_EQ(first.Call("getContactFoldEntryID").ToString(), "C1");
        CHECK_EQ(first.Call("ContactFolderName", host.Arg()).ToString(), "Folder C1");
        CHECK(first.Get("JournMAPIFolder", host.Arg()).ToDispatch() == host.folders.at("J").Get());
        CHECK(first.Call("MAPIFoldersExist", host.Arg()).ToBool());

        // A folderset made by ProgID goes in as a copy; a foreign object is a type mismatch.
        const ComPtr<IDispatch> made = Create(L"Wickline.TrackedFolderset");
        const Folderset second(Of(made));
        second.Call("SetIDs", "C2", "S", "J", "S", "E", "S", "", 5);
        CHECK(sets.Call("Add", made.Get(), host.Arg()).ToBool());
        CHECK_EQ(sets.Call("Count").ToInt32(), 2);
        const ComPtr<DispatchObject> foreign = DispatchObject::Make();
        CHECK_FAILS(sets.Call("Add", static_cast<IDispatch*>(foreign.Get()), host.Arg()),
                    pwk::FailureNumber::TypeMismatch);

        sets.Call("Remove", sets.Call("Item", 1).ToDispatch());
        CHECK_EQ(sets.Call("Count").ToInt32(), 1);
        CHECK_EQ(Folderset(sets.Call("Item", 1)).Call("getRegIndex").ToInt32(), 5);
        sets.Call("Clear");
        CHECK_EQ(sets.Call("Count").ToInt32(), 0);
    }
    CHECK_EQ(CanUnloadNow(), S_OK);
}

TEST_CASE("a failure crosses with its number and text; a foreign object is no settings object") {
    {
        const Foldersets sets(Of(Create(L"Wickline.TrackedFoldersets")));
        {
            // The collection reports the failure in the error dialog first, as every traced
            // operation does; its default button gives up, and the failure goes to the caller.
            const pwk::testhost::BoxAnswerer boxes;
            try {
                sets.Call("Item", 1);
                CHECK(false);
            } catch (const pwk::Failure& failure) {
                CHECK_EQ(failure.Number, pwk::FailureNumber::SubscriptOutOfRange);
                CHECK_EQ(failure.Description, std::string("Subscript out of range"));
            }
            CHECK_EQ(boxes.Answered().size(), std::size_t{1});
        }
        const Settings settings(Of(Create(L"Wickline.RegSettings")));
        const ComPtr<DispatchObject> foreign = DispatchObject::Make();
        foreign->Value("LogLevel", 3);
        CHECK_FAILS(settings.Call("UpdateFrom", static_cast<IDispatch*>(foreign.Get()),
                                  static_cast<IDispatch*>(nullptr)),
                    pwk::FailureNumber::TypeMismatch);
        CHECK_EQ(settings.Get("LogLevel").ToInt32(), 0);
    }
    CHECK_EQ(CanUnloadNow(), S_OK);
}

// A page's sink for the settings' events: counts Updated, answers for the event interface.
class UpdatedSink final : public pwk::win::UntypedDispatch<pwk::win::ProgramLifetime, IDispatch> {
  public:
    int updates = 0;

    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                     EXCEPINFO*, UINT*) override {
        if (member == pwk::win::SettingsObject::DispIdUpdated) {
            ++updates;
        }
        return S_OK;
    }

  private:
    void* InterfaceOf(REFIID iid) override {
        return IsEqualIID(iid, pwk::win::SettingsObject::IID_RegSettingsEvents)
                   ? static_cast<IDispatch*>(this)
                   : Listed(iid);
    }
};

TEST_CASE("Updated reaches an advised sink after UpdateFrom, and nothing after Unadvise") {
    ForgetSettings();
    const auto sink = pwk::win::MakeCom<UpdatedSink>();
    {
        const ComPtr<IDispatch> live = Create(L"Wickline.RegSettings");
        const Settings settings(Of(live));
        const auto container = live.As<IConnectionPointContainer>();
        CHECK(container);
        ComPtr<IConnectionPoint> point;
        CHECK(SUCCEEDED(container->FindConnectionPoint(
            pwk::win::SettingsObject::IID_RegSettingsEvents, point.Out())));
        DWORD cookie = 0;
        CHECK(SUCCEEDED(point->Advise(sink.Get(), &cookie)));

        // The copy of the foldersets asks the host's application for its namespace.
        const HostNameSpace host;
        const ComPtr<DispatchObject> app = DispatchObject::Make();
        app->Member("GetNamespace", [&host](DispatchCall& call) { call.Return(host.Arg()); });
        const Variant application(static_cast<IDispatch*>(app.Get()));

        // An edited copy, as a page makes it: with a collection of its own.
        const ComPtr<IDispatch> edited = Create(L"Wickline.RegSettings");
        const ComPtr<IDispatch> sets = Create(L"Wickline.TrackedFoldersets");
        Settings(Of(edited)).Put("TrackedFoldersets", sets.Get());
        Settings(Of(edited)).Put("LogLevel", 4);
        const pwk::testhost::BoxAnswerer boxes;
        settings.Call("UpdateFrom", edited.Get(), application);
        for (const auto& box : boxes.Answered()) {
            std::printf("box: %s: %s\n", box.Caption.c_str(), box.Text.c_str());
        }
        CHECK(boxes.Answered().empty());
        CHECK_EQ(sink->updates, 1);
        CHECK_EQ(settings.Get("LogLevel").ToInt32(), 4);

        CHECK(SUCCEEDED(point->Unadvise(cookie)));
        CHECK_EQ(sink->References(), ULONG{1});
        settings.Call("UpdateFrom", edited.Get(), application);
        CHECK_EQ(sink->updates, 1);
        app->Clear();
    }
    CHECK_EQ(sink->References(), ULONG{1});
    ForgetSettings();
    CHECK_EQ(CanUnloadNow(), S_OK);
}

TEST_CASE("what SaveReg and SaveToReg write, ReadReg and ReadFromReg read back; CopyFrom copies") {
    ForgetSettings();
    {
        const HostNameSpace host;
        const ComPtr<DispatchObject> app = DispatchObject::Make();
        app->Member("GetNamespace", [&host](DispatchCall& call) { call.Return(host.Arg()); });
        const Variant application(static_cast<IDispatch*>(app.Get()));
        const pwk::testhost::BoxAnswerer boxes;

        const ComPtr<IDispatch> sets = Create(L"Wickline.TrackedFoldersets");
        const Foldersets written(Of(sets));
        CHECK(written.Call("AddByIDs", "C1", "S", "J", "S", "E", "S", host.Arg()).ToBool());
        CHECK(written.Call("AddByIDs", "C2", "S", "J", "S", "E", "S", host.Arg()).ToBool());
        const Settings saved(Of(Create(L"Wickline.RegSettings")));
        saved.Put("TrackedFoldersets", sets.Get());
        saved.Put("LogLevel", 6);
        saved.Put("JournalEmails", true);
        saved.Call("SaveReg", application);

        const Settings read(Of(Create(L"Wickline.RegSettings")));
        read.Call("ReadReg", application);
        CHECK_EQ(read.Get("LogLevel").ToInt32(), 6);
        CHECK(read.Get("JournalEmails").ToBool());
        const Foldersets readSets(read.Get("TrackedFoldersets"));
        CHECK_EQ(readSets.Call("Count").ToInt32(), 2);
        CHECK_EQ(Folderset(readSets.Call("Item", 2)).Call("getContactFoldEntryID").ToString(),
                 "C2");

        // The collection alone, under a section of its own, and a copy of what it read.
        written.Call("Remove", written.Call("Item", 1).ToDispatch());
        written.Call("SaveToReg", "Parleywick", "Test Foldersets");
        const ComPtr<IDispatch> aloneObject = Create(L"Wickline.TrackedFoldersets");
        const Foldersets alone(Of(aloneObject));
        alone.Call("ReadFromReg", "Parleywick", host.Arg(), "Test Foldersets");
        CHECK_EQ(alone.Call("Count").ToInt32(), 1);
        const Foldersets copy(Of(Create(L"Wickline.TrackedFoldersets")));
        CHECK(copy.Call("CopyFrom", aloneObject.Get(), host.Arg()).ToBool());
        CHECK_EQ(copy.Call("Count").ToInt32(), 1);
        CHECK_EQ(Folderset(copy.Call("Item", 1)).Call("getContactFoldEntryID").ToString(), "C2");
        CHECK(boxes.Answered().empty());
        app->Clear();
    }
    ForgetSettings();
    CHECK_EQ(CanUnloadNow(), S_OK);
}

TEST_CASE("the error library is a class of its own, made by its ProgID and let go") {
    {
        const ComPtr<IDispatch> errors = Create(L"Keelson6.ErrorObject");
        CHECK(errors);
        const ErrorObject library(Of(errors));
        // A library nobody has started: no log named yet, tracing off.
        CHECK_EQ(library.Get("LogPath").ToString(), "");
        CHECK(!library.Get("Trace").ToBool());
        CHECK_EQ(CanUnloadNow(), S_FALSE);
    }
    CHECK_EQ(CanUnloadNow(), S_OK);
}

}  // namespace

// The harness's main, with the component's path from the command line first. The component
// is registered for the run and removed afterwards.
int main() {
    const std::wstring path = pwk::wintest::Argument(1);
    if (path.empty()) {
        std::printf("usage: test_win_published <path of PWKCommon.dll>\n");
        return 2;
    }
    dllPath = L"\"" + path + L"\"";
    if (pwk::wintest::Regsvr32(dllPath) != 0) {
        std::printf("regsvr32 failed\n");
        return 1;
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int failed = pwk::wintest::RunAll();
    CoFreeUnusedLibraries();
    CoUninitialize();
    pwk::wintest::Regsvr32(L"/u " + dllPath);
    return failed;
}
