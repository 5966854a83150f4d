#include "src/host/AddIn.h"
#include "src/host/Application.h"
#include "src/host/CommandBars.h"
#include "src/host/Explorer.h"
#include "src/host/Explorers.h"
#include "src/host/Inspector.h"
#include "src/host/Inspectors.h"
#include "src/host/Item.h"
#include "src/host/MAPIFolder.h"
#include "src/host/NameSpace.h"
#include "src/host/PropertyPages.h"
#include "src/host/Selection.h"
#include "src/util/Failure.h"
#include "win/dispatch/ObjectClass.h"
#include "winharness/bridge/BridgeArgs.h"
#include "winharness/bridge/CollectionMembers.h"
#include "winharness/bridge/KindMembers.h"

namespace pwk::bridge {

namespace {

// The automation failure of a member the object does not have.
constexpr std::int32_t NoSuchMember = 438;
constexpr const char* NoSuchMemberText = "Object doesn't support this property or method";

}  // namespace

MemberTable ApplicationMembers() {
    MemberTable table;
    // The class the object's type has; an object of a type the host has no class for has no
    // Class, as an automation object that is not one of the host's.
    table
        .Read<host::Application>("Class",
                                 [](host::Application& app) {
                                     const auto objectClass = win::ClassOfTypeName(app.TypeName());
                                     if (!objectClass) {
                                         throw Failure(NoSuchMember, NoSuchMemberText, "Class");
                                     }
                                     return *objectClass;
                                 })
        .Read<host::Application>("Name", [](host::Application& app) { return app.Name(); })
        .Read<host::Application>("Version", [](host::Application& app) { return app.Version(); })
        .Read<host::Application>("ProductCode",
                                 [](host::Application& app) { return app.ProductCode(); })
        .Read<host::Application>("Explorers",
                                 [](host::Application& app) { return Bridged(app.GetExplorers()); })
        .Read<host::Application>(
            "Inspectors", [](host::Application& app) { return Bridged(app.GetInspectors()); })
        .Method<host::Application>("GetNamespace",
                                   [](host::Application& app, const win::DispatchCall& call) {
                                       return Bridged(app.GetNamespace(TextArg(call, 0)));
                                   })
        .Method<host::Application>(
            "CreateItem", [](host::Application& app, const win::DispatchCall& call) {
                return Bridged(app.CreateItem(static_cast<host::ItemType>(NumberArg(call, 0))));
            });
    return table;
}

MemberTable AddInInstanceMembers() {
    MemberTable table;
    table
        .Read<host::AddInInstance>("ProgId",
                                   [](host::AddInInstance& addIn) { return addIn.ProgID(); })
        .Read<host::AddInInstance>("Description",
                                   [](host::AddInInstance& addIn) { return addIn.Description(); });
    return table;
}

MemberTable NameSpaceMembers() {
    MemberTable table;
    table
        .Read<host::NameSpace>("Class",
                               [](host::NameSpace&) { return win::ObjectClass::NameSpace; })
        .Method<host::NameSpace>("GetDefaultFolder",
                                 [](host::NameSpace& mapi, const win::DispatchCall& call) {
                                     return Bridged(mapi.GetDefaultFolder(NumberArg(call, 0)));
                                 })
        .Method<host::NameSpace>(
            "GetFolderFromID",
            [](host::NameSpace& mapi, const win::DispatchCall& call) {
                return Bridged(mapi.GetFolderFromID(TextArg(call, 0), TextArg(call, 1)));
            })
        .Method<host::NameSpace>("PickFolder", [](host::NameSpace& mapi, const win::DispatchCall&) {
            return Bridged(mapi.PickFolder());
        });
    return table;
}

MemberTable PropertyPagesMembers() {
    MemberTable table;
    table.Method<host::PropertyPages>(
        "Add", [](host::PropertyPages& pages, const win::DispatchCall& call) {
            // A page is the adding component's own object.
            pages.Add(AnyObjectArg(call, 0), TextArg(call, 1));
        });
    return table;
}

MemberTable ExplorersMembers() {
    MemberTable table;
    AddCollection<host::Explorers>(table);
    return table;
}

MemberTable InspectorsMembers() {
    MemberTable table;
    AddCollection<host::Inspectors>(table);
    return table;
}

MemberTable ExplorerMembers() {
    MemberTable table;
    table
        .Read<host::Explorer>(
            "CommandBars", [](host::Explorer& window) { return Bridged(window.GetCommandBars()); })
        .Read<host::Explorer>(
            "CurrentFolder", [](host::Explorer& window) { return Bridged(window.CurrentFolder()); })
        .Read<host::Explorer>(
            "Selection", [](host::Explorer& window) { return Bridged(window.GetSelection()); });
    return table;
}

MemberTable InspectorMembers() {
    MemberTable table;
    table
        .Read<host::Inspector>(
            "CommandBars", [](host::Inspector& window) { return Bridged(window.GetCommandBars()); })
        .Read<host::Inspector>(
            "CurrentItem", [](host::Inspector& window) { return Bridged(window.CurrentItem()); })
        .Read<host::Inspector>("EditorType",
                               [](host::Inspector& window) { return window.EditorType(); });
    return table;
}

MemberTable SelectionMembers() {
    MemberTable table;
    AddCollection<host::Selection>(table);
    return table;
}

}  // namespace pwk::bridge
