#pragma once

#include <string>
#include <string_view>

namespace orvex {

// The folder a sequence starts in. A portable copy unpacked anywhere keeps its pictures beside
// the program, so that is the program's own folder; an installed program lives in a system
// folder the user neither may nor should write to, so there it is the home folder. Either way
// the result ends in "/".
std::string startupSequenceFolder(std::string_view executableFolder, std::string_view homeFolder);

} // namespace orvex
