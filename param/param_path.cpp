#include "param/param_path.h"

namespace orvex {

ParamPath SplitPath(std::string_view text) {
    ParamPath path;
    while (!text.empty()) {
        const std::size_t colon = text.find(':');
        path.emplace_back(text.substr(0, colon));
        if (colon == std::string_view::npos) {
            break;
        }
        text.remove_prefix(colon + 1);
    }
    return path;
}

} // namespace orvex
