#pragma once

#include <string>

namespace pwk::sim {

// What a mailbox file may not hold although it is valid JSON: a number beyond the range of a
// double (1e+3000), and nesting deeper than MaxDepth, which no folder tree needs and which
// would make every walk of the tree deep. One linear pass over the text, before it is parsed,
// so that the error can say where: "demo.json: line 4, column 17: ...".
class JsonLimits {
  public:
    static constexpr int MaxDepth = 200;

    // Throws MailboxError at the first such place.
    static void Check(const std::string& text, const std::string& source);
};

}  // namespace pwk::sim
