#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvex {

// A value's address in the parameter tree: node names from the root down, then the entry name.
using ParamPath = std::vector<std::string>;

// Splits a path text at its colons. Adjacent colons give an empty component between them; a
// trailing colon gives no further component.
ParamPath SplitPath(std::string_view text);

} // namespace orvex
