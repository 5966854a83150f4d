#include "src/resources/StringTable.h"

#include <map>

namespace pwk {

std::string LoadResString(int id) {
    static const std::map<int, std::string> table = {
        {StringId::AppTitle, "Parleywick"},
        {StringId::StartupFailed,
         "Failed to Initialize Error Handling Module.  Please ensure the application is "
         "installed correctly."},
        {StringId::StartupDescription, "Description:"},
        {StringId::StartupSource, "Source:"},
        {StringId::StartupLine, "Line"},
        {StringId::StartupErrorCode, "Error Code:"},
        {StringId::DefaultLogFilename, "PWK"},
        {StringId::DuplicateContactFolder,
         "A contact folder cannot be assigned to more than one tracked folderset"},
        {StringId::ContactFolderNotFound, "The specified contact folder was not found"},
        {StringId::PropertiesPageFailed,
         "Could not create properties page.  Please check to make sure that Parleywick is "
         "installed properly and reinstall if necessary."},
        {StringId::RemoveButtonPrefix, "Unable to remove the "},
        {StringId::RemoveButtonMiddle, " button from the "},
        {StringId::RemoveButtonSuffix, " CommmandBar."},
        {StringId::RemoveButtonSuggestion,
         "The button will no longer function, and you may have to remove it manually to avoid "
         "encountering duplicate buttons the next time you run this program."},
    };
    auto found = table.find(id);
    return found == table.end() ? std::string() : found->second;
}

}  // namespace pwk
