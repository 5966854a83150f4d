#include "store/SqlitePendingRemovals.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "src/util/Failure.h"
#include "store/SectionPath.h"
#include "store/SqliteConnection.h"
#include "store/SqliteStatement.h"

namespace pwk {

namespace {

// Parameters: application, section, then the section's DescendantRange. Two range scans of
// the key, the section's own values and then those below it: with an OR between them SQLite
// would gather the rows and set aside the repeats, several times the cost of reading them.
constexpr const char* ValuesWithin =
    "SELECT section, folded, key, value FROM settings WHERE app = ?1 AND section = ?2 "
    "UNION ALL "
    "SELECT section, folded, key, value FROM settings "
    "WHERE app = ?1 AND section >= ?3 AND section < ?4";

}  // namespace

SqlitePendingRemovals::Application* SqlitePendingRemovals::Load(SqliteConnection& connection,
                                                                const std::string& app) {
    if (const auto known = applications_.find(app); known != applications_.end()) {
        return &known->second;
    }
    auto named = connection.Prepare("SELECT name FROM applications WHERE folded = ?");
    if (!named.Bind(app).Step()) {
        return nullptr;
    }
    Application state{named.Text(0), false, {}, {}};
    auto sections = connection.Prepare("SELECT folded, path FROM sections WHERE app = ?");
    sections.Bind(app);
    while (sections.Step()) {
        state.Sections.emplace(sections.Text(0), Row{sections.Text(1), "", false});
    }
    return &applications_.emplace(app, std::move(state)).first->second;
}

bool SqlitePendingRemovals::RemoveSection(SqliteConnection& connection, const std::string& app,
                                          const std::string& folded) {
    Application* state = Load(connection, app);
    if (state == nullptr) {
        return false;
    }
    const auto self = state->Sections.find(folded);
    if (self == state->Sections.end() || self->second.Removed) {
        return false;
    }
    Mark(self->second.Removed);
    for (auto& [name, section] : state->Sections) {
        section.LevelsLive = false;
    }
    const auto [first, last] = SectionPath::DescendantRange(folded);
    for (auto below = state->Sections.lower_bound(first);
         below != state->Sections.lower_bound(last); ++below) {
        Mark(below->second.Removed);
    }
    MarkValues(connection, app, *state, folded);
    // With no section left the application goes too.
    state->Removed = std::all_of(state->Sections.begin(), state->Sections.end(),
                                 [](const auto& section) { return section.second.Removed; });
    return true;
}

bool SqlitePendingRemovals::RemoveApplication(SqliteConnection& connection,
                                              const std::string& app) {
    Application* state = Load(connection, app);
    if (state == nullptr) {
        return false;
    }
    // A section is never there without the levels above it: the tops that are there cover
    // everything, and what was marked before is not read again.
    std::vector<std::string> tops;
    for (const auto& [folded, section] : state->Sections) {
        if (!section.Removed && folded.find(SectionPath::Separator) == std::string::npos) {
            tops.push_back(folded);
        }
    }
    for (const std::string& top : tops) {
        RemoveSection(connection, app, top);
    }
    const auto live = [](const auto& section) { return !section.second.Removed; };
    if (std::none_of(state->Sections.begin(), state->Sections.end(), live)) {
        return !tops.empty();
    }
    // A file whose levels were not all stored: everything of the application goes.
    for (auto& [folded, section] : state->Sections) {
        Mark(section.Removed);
        section.LevelsLive = false;
    }
    auto rows =
        connection.Prepare("SELECT section, folded, key, value FROM settings WHERE app = ?");
    MarkRows(rows.Bind(app), *state);
    state->Removed = true;
    return true;
}

void SqlitePendingRemovals::MarkValues(SqliteConnection& connection, const std::string& app,
                                       Application& state, const std::string& folded) {
    const auto [first, last] = SectionPath::DescendantRange(folded);
    auto rows = connection.Prepare(ValuesWithin);
    MarkRows(rows.Bind(app).Bind(folded).Bind(first).Bind(last), state);
}

void SqlitePendingRemovals::MarkRows(SqliteStatement& rows, Application& state) {
    while (rows.Step()) {
        PendingValues::Row& row = state.Values.Put(rows.View(0), rows.View(1));
        state.Values.Set(row, rows.View(2), rows.View(3));
        Mark(row.Removed);
    }
}

bool SqlitePendingRemovals::Restore(const std::string& app, const std::string& foldedSection,
                                    const std::string& key, const std::string& value) {
    const auto state = applications_.find(app);
    if (state == applications_.end() || state->second.Removed ||
        !LevelsLive(state->second, foldedSection)) {
        return false;
    }
    PendingValues& values = state->second.Values;
    PendingValues::Row* row = values.Find(foldedSection, key);
    if (row == nullptr || !row->Removed || values.Spelled(*row) != key ||
        values.Text(*row) != value) {
        return false;
    }
    Unmark(row->Removed);
    return true;
}

bool SqlitePendingRemovals::LevelsLive(Application& state, const std::string& foldedSection) {
    const auto section = state.Sections.find(foldedSection);
    if (section == state.Sections.end() || section->second.Removed) {
        return false;
    }
    if (!section->second.LevelsLive) {
        for (std::size_t end = foldedSection.find(SectionPath::Separator); end != std::string::npos;
             end = foldedSection.find(SectionPath::Separator, end + 1)) {
            const auto level = state.Sections.find(foldedSection.substr(0, end));
            if (level == state.Sections.end() || level->second.Removed) {
                return false;
            }
        }
        section->second.LevelsLive = true;
    }
    return true;
}

void SqlitePendingRemovals::Save(SqliteConnection& connection, const std::string& app,
                                 const std::string& appName, const std::vector<std::string>& levels,
                                 const std::string& key, const std::string& value,
                                 const std::function<void()>& storeValue) {
    Application& state = applications_.at(app);
    // First what the save changes in the file, then, once all of it has landed, what this
    // object marks: a refused write leaves both as they were.
    std::vector<std::function<void()>> writes;
    std::vector<std::function<void()>> marks;
    if (state.Removed) {
        // A removed application comes back under the name given now.
        if (state.Name != appName) {
            writes.emplace_back([&] {
                connection.Prepare("UPDATE applications SET name = ? WHERE folded = ?")
                    .Bind(appName)
                    .Bind(app)
                    .Step();
            });
        }
        marks.emplace_back([&] {
            state.Name = appName;
            state.Removed = false;
        });
    }
    std::string spelled;
    for (const std::string& level : levels) {
        std::string folded = SectionPath::Fold(level);
        const auto known = state.Sections.find(folded);
        if (known != state.Sections.end() && !known->second.Removed) {
            spelled = known->second.Spelled;
            continue;
        }
        // A new or removed level takes the spelling a new one would.
        spelled = SectionPath::Spelling(spelled, level);
        if (known == state.Sections.end()) {
            writes.emplace_back([&connection, &app, folded, spelled] {
                connection.Prepare("INSERT INTO sections(app, folded, path) VALUES (?, ?, ?)")
                    .Bind(app)
                    .Bind(folded)
                    .Bind(spelled)
                    .Step();
            });
        } else if (known->second.Spelled != spelled) {
            writes.emplace_back([&connection, &app, folded, spelled] {
                connection.Prepare("UPDATE sections SET path = ? WHERE app = ? AND folded = ?")
                    .Bind(spelled)
                    .Bind(app)
                    .Bind(folded)
                    .Step();
            });
        }
        marks.emplace_back([this, &state, folded, spelled] {
            Row& stored = state.Sections[folded];
            Unmark(stored.Removed);
            stored = Row{spelled, "", false};
        });
    }
    const std::string section = SectionPath::Fold(levels.back());
    const std::string folded = SectionPath::Fold(key);
    PendingValues& values = state.Values;
    PendingValues::Row* row = values.Find(section, key);
    if (row != nullptr && row->Removed) {
        // A removed value comes back under the key's spelling given now.
        if (values.Spelled(*row) != key || values.Text(*row) != value) {
            writes.emplace_back([&] {
                connection
                    .Prepare(
                        "UPDATE settings SET key = ?, value = ? "
                        "WHERE app = ? AND section = ? AND folded = ?")
                    .Bind(key)
                    .Bind(value)
                    .Bind(app)
                    .Bind(section)
                    .Bind(folded)
                    .Step();
            });
        }
        marks.emplace_back([&] {
            Unmark(row->Removed);
            values.Set(*row, key, value);
        });
    } else {
        writes.emplace_back(storeValue);
        if (row != nullptr) {
            marks.emplace_back([&] { values.SetText(*row, value); });
        }
    }
    if (!writes.empty()) {
        connection.Run("SAVEPOINT pwk_pending");
        try {
            for (const auto& write : writes) {
                write();
            }
            connection.Run("RELEASE pwk_pending");
        } catch (...) {
            try {
                if (connection.InTransaction()) {
                    connection.Run("ROLLBACK TO pwk_pending");
                    connection.Run("RELEASE pwk_pending");
                }
            } catch (const Failure&) {
                // The failure that started the rollback is the one to report.
            }
            throw;
        }
    }
    for (const auto& mark : marks) {
        mark();
    }
}

bool SqlitePendingRemovals::RemovesAnything() const {
    return marked_ != 0 || std::any_of(applications_.begin(), applications_.end(),
                                       [](const auto& entry) { return entry.second.Removed; });
}

void SqlitePendingRemovals::Mark(bool& removed) {
    if (!removed) {
        removed = true;
        ++marked_;
    }
}

void SqlitePendingRemovals::Unmark(bool& removed) {
    if (removed) {
        removed = false;
        --marked_;
    }
}

void SqlitePendingRemovals::Discard() {
    applications_.clear();
    marked_ = 0;
}

void SqlitePendingRemovals::Apply(SqliteConnection& connection) {
    for (const auto& [app, state] : applications_) {
        if (marked_ == 0 && !state.Removed) {
            continue;  // everything the removals covered was written back
        }
        for (const PendingValues::Row& row : state.Values.Rows()) {
            if (row.Removed) {
                connection
                    .Prepare("DELETE FROM settings WHERE app = ? AND section = ? AND folded = ?")
                    .Bind(app)
                    .Bind(std::string(state.Values.Section(row)))
                    .Bind(std::string(state.Values.Folded(row)))
                    .Step();
            }
        }
        for (const auto& [folded, section] : state.Sections) {
            if (section.Removed) {
                connection.Prepare("DELETE FROM sections WHERE app = ? AND folded = ?")
                    .Bind(app)
                    .Bind(folded)
                    .Step();
            }
        }
        if (state.Removed) {
            connection.Prepare("DELETE FROM applications WHERE folded = ?").Bind(app).Step();
        }
    }
    Discard();
}

}  // namespace pwk
