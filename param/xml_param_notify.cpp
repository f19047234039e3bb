#include "param/xml_param_notify.h"

#include <optional>
#include <span>

namespace orvex {

namespace {

constexpr std::size_t kMinPathComponents = 2;

// Hands out the names of a list of node names in order, like PathText::NodeNames.
class ListedNames {
public:
    explicit ListedNames(std::span<const std::string> names) : m_names(names) {}
    bool next(std::string_view& name) {
        if (m_next == m_names.size()) {
            return false;
        }
        name = m_names[m_next++];
        return true;
    }

private:
    std::span<const std::string> m_names;
    std::size_t m_next = 0;
};

bool numberOf(const std::optional<Element>& entry, std::uint32_t& output) {
    if (!entry) {
        return false;
    }
    const std::optional<std::uint32_t> number = parseNumber(entry->value);
    if (!number) {
        return false;
    }
    output = *number;
    return true;
}

bool storedText(const std::optional<Element>& entry, std::string& output) {
    if (!entry) {
        return false;
    }
    output = entry->value;
    return true;
}

} // namespace

bool XML_Param_Notify::SetValue(const ParamPath& path, const char* value) {
    return setText(path, value == nullptr ? std::string_view() : std::string_view(value));
}

bool XML_Param_Notify::SetValue(const ParamPath& path, const std::string& value) {
    return setText(path, value);
}

bool XML_Param_Notify::SetValue(const PathText& path, const char* value) {
    return setText(path, value == nullptr ? std::string_view() : std::string_view(value));
}

bool XML_Param_Notify::SetValue(const PathText& path, const std::string& value) {
    return setText(path, value);
}

bool XML_Param_Notify::GetValue(const ParamPath& path, std::uint32_t& output) const {
    return numberOf(findEntry(path), output);
}

bool XML_Param_Notify::GetValue(const ParamPath& path, std::string& output) const {
    return storedText(findEntry(path), output);
}

bool XML_Param_Notify::GetValue(const PathText& path, std::uint32_t& output) const {
    return numberOf(findEntry(path), output);
}

bool XML_Param_Notify::GetValue(const PathText& path, std::string& output) const {
    return storedText(findEntry(path), output);
}

template <typename NodeNames> XmlId XML_Param_Notify::findNode(NodeNames nodeNames) const {
    std::string_view name;
    if (!nodeNames.next(name)) {
        return XmlTree::kRoot;
    }
    if (root().name() != name) {
        return kNoXmlId;
    }
    XmlId node = XmlTree::kRoot;
    while (node != kNoXmlId && nodeNames.next(name)) {
        node = m_tree.findChild(node, name);
    }
    return node;
}

std::optional<XML_Node>
XML_Param_Notify::FindPathNode(std::span<const std::string> nodeNames) const {
    const XmlId node = findNode(ListedNames(nodeNames));
    if (node == kNoXmlId) {
        return std::nullopt;
    }
    return XML_Node(m_tree, node);
}

void XML_Param_Notify::Clear() {
    m_tree.Clear();
    m_lastSetNode = kNoXmlId;
    // A reader event after this must not reach into the nodes just removed.
    m_openNodes.clear();
}

void XML_Param_Notify::WriteTree(std::ostream& out) const {
    root().WriteTree(out);
}

void XML_Param_Notify::FoundNode(std::string_view name, std::string_view attributeText) {
    if (m_openNodes.empty()) {
        m_lastSetNode = kNoXmlId;
        m_tree.SetNode(name, attributeText);
        m_openNodes.push_back(XmlTree::kRoot);
        return;
    }
    m_openNodes.push_back(m_tree.AddNode(m_openNodes.back(), name, attributeText));
}

void XML_Param_Notify::FoundElement(std::string_view name, std::string_view value,
                                    std::string_view attributeText) {
    // A leaf outside every node has no node to go into.
    if (!m_openNodes.empty()) {
        m_tree.SetElement(m_openNodes.back(), name, value, attributeText);
    }
}

void XML_Param_Notify::EndNode(std::string_view, std::string_view) {
    if (!m_openNodes.empty()) {
        m_openNodes.pop_back();
    }
}

bool XML_Param_Notify::setText(const ParamPath& path, std::string_view text) {
    if (path.size() < kMinPathComponents) {
        return false;
    }
    const XmlId node = nodeFor(ListedNames(std::span(path).first(path.size() - 1))).node;
    m_tree.SetElement(node, path.back(), text, {});
    return true;
}

bool XML_Param_Notify::setText(const PathText& path, std::string_view text) {
    if (!path.complete()) {
        return false;
    }
    XmlId node = m_lastSetNode;
    if (node == kNoXmlId || m_lastSetNodeText != path.nodeText()) {
        const Reached reached = nodeFor(path.nodeNames());
        node = reached.node;
        m_lastSetNode = reached.searchable ? node : kNoXmlId;
        m_lastSetNodeText = path.nodeText();
    }
    m_tree.SetElement(node, path.entryName(), text, {});
    return true;
}

template <typename NodeNames>
XML_Param_Notify::Reached XML_Param_Notify::nodeFor(NodeNames nodeNames) {
    std::string_view name;
    // A complete path has at least one node name.
    bool missing = nodeNames.next(name);
    XmlId node = kNoXmlId;
    if (root().name() == name) {
        node = XmlTree::kRoot;
        while ((missing = nodeNames.next(name))) {
            const XmlId next = m_tree.findChild(node, name);
            if (next == kNoXmlId) {
                break;
            }
            node = next;
        }
    }
    if (!missing) {
        return {node, true};
    }
    const bool renamed = node == kNoXmlId;
    if (renamed) {
        // Searches for the names remembered may now end elsewhere.
        m_lastSetNode = kNoXmlId;
    }
    for (; missing; missing = nodeNames.next(name)) {
        if (node == kNoXmlId) {
            // A root of another name is renamed rather than replaced: what it holds stays.
            m_tree.SetNode(name, {});
            node = XmlTree::kRoot;
        } else {
            node = m_tree.AddNode(node, name, {});
        }
    }
    return {node, !renamed};
}

std::optional<Element> XML_Param_Notify::findEntry(const ParamPath& path) const {
    if (path.size() < kMinPathComponents) {
        return std::nullopt;
    }
    const XmlId node = findNode(ListedNames(std::span(path).first(path.size() - 1)));
    return node == kNoXmlId ? std::nullopt : XML_Node(m_tree, node).findElement(path.back());
}

std::optional<Element> XML_Param_Notify::findEntry(const PathText& path) const {
    if (!path.complete()) {
        return std::nullopt;
    }
    const XmlId node = findNode(path.nodeNames());
    return node == kNoXmlId ? std::nullopt : XML_Node(m_tree, node).findElement(path.entryName());
}

} // namespace orvex
