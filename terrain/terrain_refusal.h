#pragma once
// Why a profile cannot be built: the message (UTF-8) names the place - the file, the argument
// or the coordinates of the point of the path - and nothing is written.

#include <stdexcept>
#include <string>

namespace vakrel {

class TerrainRefusal : public std::runtime_error {
public:
    explicit TerrainRefusal(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace vakrel
