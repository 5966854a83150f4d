#include "tools/scenario/Lookup.h"
#include "src/util/Ref.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "sim/SimApplication.h"
#include "sim/SimCommandBar.h"
#include "sim/SimCommandBars.h"
#include "sim/SimControlState.h"
#include "sim/SimFolder.h"
#include "sim/SimHost.h"
#include "sim/SimItemState.h"
#include "sim/SimNameSpace.h"
#include "sim/SimWindowState.h"
#include "src/host/HostTypes.h"
#include "tools/scenario/ScenarioError.h"

namespace pwk::scenario::Lookup {

namespace {

bool IsPosition(const std::string& ref) {
    return !ref.empty() && ref.size() <= 9 &&
           std::all_of(ref.begin(), ref.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string WithoutAccelerators(const std::string& caption) {
    std::string text;
    for (const char c : caption) {
        if (c != '&') {
            text.push_back(c);
        }
    }
    return text;
}

void EachFolder(const std::shared_ptr<sim::SimFolder>& folder,
                const std::function<void(const sim::SimFolder&)>& visit) {
    visit(*folder);
    for (const auto& sub : folder->Subfolders()) {
        EachFolder(sub.get(), visit);
    }
}

}  // namespace

std::shared_ptr<sim::SimApplication> App(sim::SimHost& host) {
    return As<sim::SimApplication>(host.Application());
}

std::shared_ptr<sim::SimItemState> Item(const sim::SimFolder& folder, const std::string& ref) {
    const auto& items = folder.Contents();
    if (IsPosition(ref)) {
        const std::size_t position = std::stoul(ref);
        if (position < 1 || position > items.size()) {
            throw CommandError("\"" + folder.Path() + "\" holds " + std::to_string(items.size()) +
                               " items; there is no item " + ref);
        }
        return items[position - 1].get();
    }
    for (const auto& item : items) {
        if (item->AuditName() == ref) {
            return item.get();
        }
    }
    throw CommandError("there is no item \"" + ref + "\" in \"" + folder.Path() +
                       "\" (name a contact by full name, other items by subject, or give a "
                       "position)");
}

std::shared_ptr<sim::SimItemState> Contact(sim::SimHost& host, const std::string& name) {
    std::vector<std::shared_ptr<sim::SimItemState>> found;
    std::vector<std::string> where;
    for (const auto& store : host.Mailbox().Stores()) {
        EachFolder(store.Top.get(), [&](const sim::SimFolder& folder) {
            for (const auto& item : folder.Contents()) {
                if (item->Kind() == host::ItemType::Contact &&
                    item->TextField("FullName") == name) {
                    found.push_back(item.get());
                    where.push_back(folder.Path());
                }
            }
        });
    }
    if (found.empty()) {
        throw CommandError("there is no contact \"" + name + "\" in the mailbox");
    }
    if (found.size() > 1) {
        throw CommandError("there are several contacts \"" + name + "\" (in \"" + where[0] +
                           "\" and \"" + where[1] + "\"): say which with in=FOLDER");
    }
    return found.front();
}

std::shared_ptr<sim::SimControlState> Control(const sim::SimWindowState& window,
                                              const std::string& caption) {
    const std::string wanted = WithoutAccelerators(caption);
    const auto matches = [&](const sim::SimControlState& control) {
        return control.Valid() && WithoutAccelerators(control.Spec.Caption) == wanted;
    };
    // What a user sees first: a shown control on a bar, then a shown menu item, then a hidden
    // control.
    for (const auto& bar : window.Bars().Bars()) {
        for (const auto& control : bar->ControlList()) {
            if (matches(*control) && control->Spec.Visible) {
                return control.get();
            }
        }
    }
    std::shared_ptr<sim::SimControlState> hidden;
    std::shared_ptr<sim::SimControlState> shown;
    for (const auto& bar : window.Bars().Bars()) {
        bar->ForEachControl([&](sim::SimControlState& control) {
            if (shown || !matches(control)) {
                return;
            }
            if (control.Spec.Visible) {
                shown = control.Self<sim::SimControlState>();
            } else if (!hidden) {
                hidden = control.Self<sim::SimControlState>();
            }
        });
    }
    return shown ? shown : hidden;
}

std::int64_t Number(const std::string& text) {
    try {
        if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
            return static_cast<std::int64_t>(std::stoull(text.substr(2), nullptr, 16));
        }
        return std::stoll(text);
    } catch (const std::exception&) {
        throw CommandError("\"" + text + "\" is not a whole number");
    }
}

std::int32_t Number32(const std::string& text) {
    const std::int64_t value = Number(text);
    // Hexadecimal failure numbers are written as the host reports them, unsigned.
    if (value >= -2147483648LL && value <= 4294967295LL) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }
    throw CommandError("\"" + text + "\" is too large");
}

std::vector<std::string> List(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t begin = 0;
    while (begin <= text.size()) {
        const std::size_t end = std::min(text.find(',', begin), text.size());
        std::string part = text.substr(begin, end - begin);
        part.erase(0, part.find_first_not_of(' '));
        part.erase(part.find_last_not_of(' ') + 1);
        if (!part.empty()) {
            parts.push_back(part);
        }
        begin = end + 1;
    }
    return parts;
}

}  // namespace pwk::scenario::Lookup
