#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "win/combase/Unique.h"
#include "win/platform/RegistryKey.h"

namespace pwk::win {

// Tells cheaply whether anything under one registry key may have changed since it last
// answered: the registry signals an event of ours on any change to the key's tree
// (RegNotifyChangeKeyValue, asynchronous, so no thread ever waits for it). Asking only looks at
// the event. The answer errs on the safe side: "may have changed" on the first question, while
// the key does not exist yet, and for good when the registry refuses to watch (told once to
// `onFailure`). The registration belongs to the thread that made it (it signals when that
// thread ends): the add-in asks from the host's thread, which lives as long as the add-in.
class RegistryChangeWatch {
  public:
    using FailureSink = std::function<void(const std::string&)>;

    RegistryChangeWatch(HKEY root, std::wstring path);

    // Whether the tree may have changed since the last answer. Watching starts with the first
    // question and starts again after every "yes", before the caller reads what changed, so
    // that a change made while it reads is reported by the next answer.
    bool MayHaveChanged();
    // Stops watching: the key and the event are closed. The next question starts afresh.
    void Stop();
    // Where the one line that says why watching stopped goes.
    void OnFailure(FailureSink sink) { onFailure_ = std::move(sink); }
    bool Watching() const { return key_.has_value(); }

  private:
    // Registers for the next change; stops watching when the registry refuses.
    void Arm();
    void Fail(const std::string& what, LONG status);

    HKEY root_;
    std::wstring path_;
    std::optional<RegistryKey> key_;
    UniqueHandle changed_;  // auto-reset: looking at it consumes the signal
    bool failed_ = false;
    FailureSink onFailure_;
};

}  // namespace pwk::win
