// The driver's commands, by name (described in zarndrive.cpp).
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "zarn_window.h"

namespace zarndrive {

using Arguments = std::vector<std::string>;
using Command = std::function<void(ZarnWindow&, const Arguments&)>;

const std::map<std::string, Command>& commands();

}  // namespace zarndrive
