#pragma once

#include <string>
#include <utility>
#include <vector>

namespace pwk {

// The naming rules every settings backend shares. Names compare case-insensitively (the
// spelling first stored is kept), and a section "A\B\C" is three real levels: "A", "A\B" and
// "A\B\C". Backends address a level by its folded full path, so that the levels below one
// section are exactly the folded paths inside DescendantRange of it.
class SectionPath {
  public:
    // The lower-case form names are compared by (ASCII letters only, like the registry's
    // ordinal comparison for the names this program uses).
    static std::string Fold(const std::string& name);
    // The same for one character.
    static constexpr char FoldChar(char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }

    // The cumulative paths of a section, outermost first, in the spelling given:
    // "A\B\C" gives "A", "A\B", "A\B\C". Fails (5) on an empty section or an empty level.
    static std::vector<std::string> Levels(const std::string& section);
    // The folded full path of a section, which must pass the same test as for Levels: the
    // address of its last level, without making the others.
    static std::string FoldedPath(const std::string& section);

    // The half-open range [first, second) of folded paths strictly below `foldedPath`.
    static std::pair<std::string, std::string> DescendantRange(const std::string& foldedPath);

    // The last level of a path: "A\B\C" gives "C".
    static std::string LeafName(const std::string& path);

    // How a new level is spelled when its parent is already stored: the parent's stored
    // spelling, then the level's own name as given. `parentSpelling` is empty for a top level.
    static std::string Spelling(const std::string& parentSpelling, const std::string& level);

    // Fails (5) when an application or key name is empty; `what` names it in the message.
    static void RequireName(const std::string& name, const char* what);

    // The failure for a section or application that does not exist.
    [[noreturn]] static void RaiseMissing(const std::string& appName, const std::string& section);

    static constexpr char Separator = '\\';

  private:
    // Fails (5) on an empty section or an empty level.
    static void RequireLevels(const std::string& section);
};

}  // namespace pwk
