#pragma once
// The command line of vakrel-profile.

#include <string>
#include <vector>

#include "elevation_profile.h"

namespace vakrel {

struct ProfileArguments {
    ProfileRequest request;
    std::string output;          // -o FILE
    bool progressLines = false;  // --progress
    bool help = false;
    bool version = false;
};

// Throws TerrainRefusal naming the argument that is wrong or missing.
ProfileArguments ParseProfileArguments(const std::vector<std::string>& args);

// The text of --help.
std::string ProfileUsage();

}  // namespace vakrel
