#pragma once

#include "param/param_io.h"

#include <sstream>
#include <string>

namespace orvex::test {

// The document as the writer puts it out, with LF line ends.
inline std::string writtenText(const ParamIO& io) {
    std::ostringstream out;
    io.notify().WriteTree(out);
    return out.str();
}

inline void readText(ParamIO& io, const std::string& text) {
    std::istringstream in(text);
    io.ReadStream(in);
}

} // namespace orvex::test
