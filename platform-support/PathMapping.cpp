#include "platform-support/PathMapping.h"

#include <cctype>
#include <vector>

namespace pwk {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool HasDrive(const std::string& path) {
    return path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
}

// The names of `rest`, with "." dropped and ".." taking back one name, but none past the top.
std::vector<std::string> Names(const std::string& rest) {
    std::vector<std::string> names;
    std::string name;
    auto flush = [&] {
        if (name == "..") {
            if (!names.empty()) {
                names.pop_back();
            }
        } else if (!name.empty() && name != ".") {
            names.push_back(name);
        }
        name.clear();
    };
    for (char c : rest) {
        if (IsSeparator(c)) {
            flush();
        } else {
            name += c;
        }
    }
    flush();
    return names;
}

}  // namespace

std::string MapHostPath(const std::string& root, const std::string& hostPath) {
    std::string base = root;
    while (base.size() > 1 && base.back() == '/') {
        base.pop_back();
    }
    std::string top;  // the folder under root that stands for the path's drive or server
    std::string rest;
    if (HasDrive(hostPath)) {
        top = std::string(1,
                          static_cast<char>(std::toupper(static_cast<unsigned char>(hostPath[0]))));
        rest = hostPath.substr(2);
    } else if (hostPath.size() >= 2 && IsSeparator(hostPath[0]) && IsSeparator(hostPath[1])) {
        top = "UNC";
        rest = hostPath.substr(2);
    } else if (!hostPath.empty() && IsSeparator(hostPath[0])) {
        top = "C";
        rest = hostPath;
    } else {
        rest = hostPath;
    }
    std::string mapped = base == "/" ? "" : base;
    if (!top.empty()) {
        mapped.append("/").append(top);
    }
    for (const std::string& name : Names(rest)) {
        mapped.append("/").append(name);
    }
    if (mapped.empty()) {
        mapped.push_back('/');
    }
    if (!rest.empty() && IsSeparator(rest.back()) && mapped.back() != '/') {
        mapped += '/';
    }
    return mapped;
}

}  // namespace pwk
