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

PathText::PathText(std::string_view text) {
    // The colon at the very end closes the last component, so that without it every colon
    // separates two components, the last of them possibly empty.
    if (text.ends_with(':')) {
        text.remove_suffix(1);
    }
    const std::size_t lastColon = text.rfind(':');
    if (lastColon == std::string_view::npos) {
        return;
    }
    m_nodeText = text.substr(0, lastColon);
    m_entryName = text.substr(lastColon + 1);
    m_complete = true;
}

bool PathText::NodeNames::next(std::string_view& name) {
    if (m_done) {
        return false;
    }
    const std::size_t colon = m_rest.find(':');
    name = m_rest.substr(0, colon);
    if (colon == std::string_view::npos) {
        m_done = true;
    } else {
        m_rest.remove_prefix(colon + 1);
    }
    return true;
}

} // namespace orvex
