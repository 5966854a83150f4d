#pragma once

#include <string>

namespace pwk {

// A running add-in's mark on its settings file: a shared advisory lock (flock) on a file
// beside it, held while the add-in runs. The system drops the lock when the process ends,
// however it ends, so a crash leaves no stale mark. Without advisory locks (Windows builds of
// the file store) nothing is marked.
class OpenMarker {
  public:
    // `settingsFile`'s marker is `settingsFile` + ".open".
    explicit OpenMarker(std::string settingsFile);
    ~OpenMarker();
    OpenMarker(const OpenMarker&) = delete;
    OpenMarker& operator=(const OpenMarker&) = delete;

    // Takes the mark (creating the marker file and its folder) or lets it go. A mark that
    // cannot be taken raises a Failure naming the file.
    void Hold(bool held);
    // Whether a process (this one included) holds the mark.
    bool Held() const;

  private:
    std::string path_;
    int descriptor_ = -1;
};

}  // namespace pwk
