#pragma once

#include <optional>
#include <string>

#include "win/platform/RegistryKeyContents.h"

namespace pwk::win {

// The bytes of the registry read cache's file: a header naming the layout, the entries, and a
// checksum of everything before it. Decoding refuses (nothing) anything that is not exactly
// what Encode makes: another header, a length that runs past the end, bytes left over, a
// checksum that does not match.
std::string EncodeRegistryCache(const RegistryKeyContents::ByPath& entries);
std::optional<RegistryKeyContents::ByPath> DecodeRegistryCache(const std::string& bytes);

}  // namespace pwk::win
