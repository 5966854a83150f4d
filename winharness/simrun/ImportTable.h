#pragma once

#include <windows.h>

namespace pwk::simrun {

// The import address table of a loaded module: where the module's calls into other libraries
// go. Replacing an entry sends the module's calls of that function to another one, and to no
// other module's; the module's code is not touched.
class ImportTable {
  public:
    explicit ImportTable(HMODULE module) : module_(module) {}

    // Sends every call the module makes of `function` (imported by name, from whichever
    // library) to `replacement`; the number of entries replaced (0: the module does not import
    // it).
    int Replace(const char* function, const void* replacement) const;

  private:
    HMODULE module_;
};

}  // namespace pwk::simrun
