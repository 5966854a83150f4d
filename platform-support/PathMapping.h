#pragma once

#include <string>

namespace pwk {

// Places a host path ("C:\Logs\PWK.log", "\\server\share\x", "Logs\x") in a POSIX tree under
// `root`, so that a shell without drive letters can still honour the add-in's file paths:
//   "X:\a\b"          -> "<root>/X/a/b"   (drive letters in upper case: the host ignores case)
//   "\\server\share"  -> "<root>/UNC/server/share"
//   "\a" (no drive)   -> "<root>/C/a"     (the current drive is taken to be C:)
//   "a\b" (relative)  -> "<root>/a/b"
// Backslashes and slashes both separate names. "." and ".." are resolved by name and never
// climb above the drive's folder, so no host path reaches outside `root`. A trailing
// separator is kept.
std::string MapHostPath(const std::string& root, const std::string& hostPath);

}  // namespace pwk
