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

// A path text taken apart in place, with the components SplitPath would give: a hundred thousand
// values set or read by path text would otherwise cost a list and its texts each.
class PathText {
public:
    explicit PathText(std::string_view text);

    // At least a node name and an entry name.
    bool complete() const { return m_complete; }
    // The last component; only when complete.
    std::string_view entryName() const { return m_entryName; }
    // The node names with the colons between them, as they stand in the text.
    std::string_view nodeText() const { return m_nodeText; }

    // Hands out the node names, the components before the last one, in order: each call gives
    // the next one and true, or false once all are given. Only when complete.
    class NodeNames {
    public:
        explicit NodeNames(std::string_view text) : m_rest(text) {}
        bool next(std::string_view& name);

    private:
        std::string_view m_rest;
        bool m_done = false;
    };
    NodeNames nodeNames() const { return NodeNames(m_nodeText); }

private:
    std::string_view m_nodeText;
    std::string_view m_entryName;
    bool m_complete = false;
};

} // namespace orvex
