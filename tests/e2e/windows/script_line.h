// The words of one line of a driver script, split as zarndrive.cpp describes.
#pragma once

#include <string>
#include <vector>

namespace zarndrive {

std::vector<std::string> splitLine(const std::string& line);

}  // namespace zarndrive
