#pragma once
// Every writer of the program as one row of the fault tests: what it writes, what it reads
// from its folder first, and how to run it.

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vakrel::test {

struct Writer {
    std::string name;
    std::vector<std::string> targets;           // files it replaces, in the order it writes them
    std::map<std::string, std::string> inputs;  // files it reads from the same folder
    bool together = true;                       // all targets replaced or none (false: each on its own)
    bool catchable = true;                      // writes enough for a test to stop it between temporary and rename
    bool namedMessage = false;                  // reports every failure as "Cannot create file <path>"
    // Writes into `folder` (made current for the writers that work in the current directory);
    // returns the message the user is shown, empty on success.
    std::function<std::string(const std::string& folder)> write;
};

// `large`: kept lines and pictures of some megabytes, so that writing takes long enough for a
// test to catch the writer in the middle.
std::vector<Writer> AllWriters(bool large);

}  // namespace vakrel::test
