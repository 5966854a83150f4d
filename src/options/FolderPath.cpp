#include "src/options/FolderPath.h"

#include <vector>

#include "src/host/MAPIFolder.h"

namespace pwk {

namespace {
// Deeper than any store a user builds; it ends a walk up a host that answers a loop.
constexpr int kDeepest = 64;
}  // namespace

std::string FolderPath(const Ref<host::MAPIFolder>& folder) {
    std::vector<std::string> names;
    Ref<host::MAPIFolder> at = folder;
    // The top folder's parent is the namespace, not a folder: the walk stops there.
    while (at && names.size() < kDeepest) {
        names.push_back(at->Name());
        at = As<host::MAPIFolder>(at->Parent());
    }
    std::string path;
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        path += (path.empty() ? "\\\\" : "\\") + *name;
    }
    return path;
}

}  // namespace pwk
