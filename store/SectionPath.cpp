#include "store/SectionPath.h"

#include "src/util/Failure.h"

namespace pwk {

std::string SectionPath::Fold(const std::string& name) {
    std::string folded = name;
    for (char& c : folded) {
        c = FoldChar(c);
    }
    return folded;
}

std::vector<std::string> SectionPath::Levels(const std::string& section) {
    RequireLevels(section);
    std::vector<std::string> levels;
    for (std::size_t end = section.find(Separator); end != std::string::npos;
         end = section.find(Separator, end + 1)) {
        levels.push_back(section.substr(0, end));
    }
    levels.push_back(section);
    return levels;
}

std::string SectionPath::FoldedPath(const std::string& section) {
    RequireLevels(section);
    return Fold(section);
}

void SectionPath::RequireLevels(const std::string& section) {
    if (section.empty()) {
        throw Failure(FailureNumber::InvalidProcedureCall,
                      "Invalid procedure call or argument: the settings section name is empty");
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t end = section.find(Separator, start);
        const std::size_t stop = end == std::string::npos ? section.size() : end;
        if (stop == start) {
            throw Failure(FailureNumber::InvalidProcedureCall,
                          "Invalid procedure call or argument: the settings section \"" + section +
                              "\" has an empty level");
        }
        if (end == std::string::npos) {
            return;
        }
        start = end + 1;
    }
}

std::pair<std::string, std::string> SectionPath::DescendantRange(const std::string& foldedPath) {
    // Every descendant starts with the path and a separator; the character after the separator
    // bounds them all.
    return {foldedPath + Separator, foldedPath + static_cast<char>(Separator + 1)};
}

std::string SectionPath::LeafName(const std::string& path) {
    const std::size_t last = path.rfind(Separator);
    return last == std::string::npos ? path : path.substr(last + 1);
}

std::string SectionPath::Spelling(const std::string& parentSpelling, const std::string& level) {
    return parentSpelling.empty() ? level : parentSpelling + Separator + LeafName(level);
}

void SectionPath::RequireName(const std::string& name, const char* what) {
    if (name.empty()) {
        throw Failure(FailureNumber::InvalidProcedureCall,
                      std::string("Invalid procedure call or argument: the settings ") + what +
                          " name is empty");
    }
}

void SectionPath::RaiseMissing(const std::string& appName, const std::string& section) {
    if (section.empty()) {
        throw Failure(
            FailureNumber::InvalidProcedureCall,
            "Invalid procedure call or argument: no settings are stored for \"" + appName + "\"");
    }
    throw Failure(FailureNumber::InvalidProcedureCall,
                  "Invalid procedure call or argument: the settings section \"" + section +
                      "\" of \"" + appName + "\" does not exist");
}

}  // namespace pwk
