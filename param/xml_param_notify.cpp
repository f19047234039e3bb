#include "param/xml_param_notify.h"

#include <iterator>
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

bool numberOf(const Element* entry, std::uint32_t& output) {
    if (entry == nullptr) {
        return false;
    }
    const std::optional<std::uint32_t> number = parseNumber(entry->value);
    if (!number) {
        return false;
    }
    output = *number;
    return true;
}

bool storedText(const Element* entry, std::string& output) {
    if (entry == nullptr) {
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

template <typename NodeNames>
const XML_Node* XML_Param_Notify::findNode(NodeNames nodeNames) const {
    std::string_view name;
    if (!nodeNames.next(name)) {
        return &m_root;
    }
    if (m_root.name() != name) {
        return nullptr;
    }
    const XML_Node* node = &m_root;
    while (node != nullptr && nodeNames.next(name)) {
        node = node->findChild(name);
    }
    return node;
}

const XML_Node* XML_Param_Notify::FindPathNode(std::span<const std::string> nodeNames) const {
    return findNode(ListedNames(nodeNames));
}

void XML_Param_Notify::Clear() {
    m_root.Clear();
    m_lastSetNode = nullptr;
    // A reader event after this must not reach into the nodes just removed.
    m_openNodes.clear();
    m_currentNode = nullptr;
}

void XML_Param_Notify::WriteTree(std::ostream& out) const {
    m_root.WriteTree(out);
}

void XML_Param_Notify::FoundNode(std::string_view name, std::string_view attributeText) {
    m_lastSetNode = nullptr;
    XML_Node* current = currentNode();
    if (current == nullptr) {
        m_root.SetNode(name, attributeText);
        m_openNodes.push_back(0);
        m_currentNode = &m_root;
        return;
    }
    m_currentNode = &current->AddNode(name, attributeText);
    m_openNodes.push_back(current->children().size() - 1);
}

void XML_Param_Notify::FoundElement(std::string_view name, std::string_view value,
                                    std::string_view attributeText) {
    // A leaf outside every node has no node to go into.
    if (XML_Node* current = currentNode()) {
        current->SetElement(name, value, attributeText);
    }
}

void XML_Param_Notify::EndNode(std::string_view, std::string_view) {
    if (!m_openNodes.empty()) {
        m_openNodes.pop_back();
        m_currentNode = nullptr;
    }
}

bool XML_Param_Notify::setText(const ParamPath& path, std::string_view text) {
    if (path.size() < kMinPathComponents) {
        return false;
    }
    nodeFor(ListedNames(std::span(path).first(path.size() - 1)))
        .node->SetElement(path.back(), text, {});
    return true;
}

bool XML_Param_Notify::setText(const PathText& path, std::string_view text) {
    if (!path.complete()) {
        return false;
    }
    XML_Node* node = m_lastSetNode;
    if (node == nullptr || m_lastSetNodeText != path.nodeText()) {
        const Reached reached = nodeFor(path.nodeNames());
        node = reached.node;
        m_lastSetNode = reached.searchable ? node : nullptr;
        m_lastSetNodeText = path.nodeText();
    }
    node->SetElement(path.entryName(), text, {});
    return true;
}

template <typename NodeNames>
XML_Param_Notify::Reached XML_Param_Notify::nodeFor(NodeNames nodeNames) {
    std::string_view name;
    // A complete path has at least one node name.
    bool missing = nodeNames.next(name);
    XML_Node* node = nullptr;
    if (m_root.name() == name) {
        node = &m_root;
        while ((missing = nodeNames.next(name))) {
            XML_Node* next = node->findChild(name);
            if (next == nullptr) {
                break;
            }
            node = next;
        }
    }
    if (!missing) {
        return {node, true};
    }
    // Nodes are about to move or be renamed.
    m_lastSetNode = nullptr;
    m_currentNode = nullptr;
    const bool renamed = node == nullptr;
    for (; missing; missing = nodeNames.next(name)) {
        if (node == nullptr) {
            // A root of another name is renamed rather than replaced: what it holds stays.
            m_root.SetNode(name, {});
            node = &m_root;
        } else {
            node = &node->AddNode(name, {});
        }
    }
    return {node, !renamed};
}

const Element* XML_Param_Notify::findEntry(const ParamPath& path) const {
    if (path.size() < kMinPathComponents) {
        return nullptr;
    }
    const XML_Node* node = findNode(ListedNames(std::span(path).first(path.size() - 1)));
    return node == nullptr ? nullptr : node->findElement(path.back());
}

const Element* XML_Param_Notify::findEntry(const PathText& path) const {
    if (!path.complete()) {
        return nullptr;
    }
    const XML_Node* node = findNode(path.nodeNames());
    return node == nullptr ? nullptr : node->findElement(path.entryName());
}

XML_Node* XML_Param_Notify::currentNode() {
    if (m_currentNode != nullptr || m_openNodes.empty()) {
        return m_currentNode;
    }
    XML_Node* node = &m_root;
    for (auto index = std::next(m_openNodes.begin()); index != m_openNodes.end(); ++index) {
        node = &node->child(*index);
    }
    m_currentNode = node;
    return node;
}

} // namespace orvex
