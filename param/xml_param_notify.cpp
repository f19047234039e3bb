#include "param/xml_param_notify.h"

#include <iterator>

namespace orvex {

namespace {

constexpr std::size_t kMinPathComponents = 2;

} // namespace

bool XML_Param_Notify::SetValue(const ParamPath& path, const char* value) {
    return setText(path, value == nullptr ? std::string_view() : std::string_view(value));
}

bool XML_Param_Notify::SetValue(const ParamPath& path, const std::string& value) {
    return setText(path, value);
}

bool XML_Param_Notify::GetValue(const ParamPath& path, std::uint32_t& output) const {
    const Element* entry = findEntry(path);
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

bool XML_Param_Notify::GetValue(const ParamPath& path, std::string& output) const {
    const Element* entry = findEntry(path);
    if (entry == nullptr) {
        return false;
    }
    output = entry->value;
    return true;
}

const XML_Node* XML_Param_Notify::FindPathNode(std::span<const std::string> nodeNames) const {
    if (nodeNames.empty()) {
        return &m_root;
    }
    if (m_root.name() != nodeNames.front()) {
        return nullptr;
    }
    const XML_Node* node = &m_root;
    for (auto name = std::next(nodeNames.begin()); name != nodeNames.end() && node != nullptr;
         ++name) {
        node = node->findChild(*name);
    }
    return node;
}

void XML_Param_Notify::Clear() {
    m_root.Clear();
    // A reader event after this must not reach into the nodes just removed.
    m_openNodes.clear();
}

void XML_Param_Notify::WriteTree(std::ostream& out) const {
    m_root.WriteTree(out);
}

void XML_Param_Notify::FoundNode(std::string_view name, std::string_view attributeText) {
    XML_Node* current = currentNode();
    if (current == nullptr) {
        m_root.SetNode(name, attributeText);
        m_openNodes.push_back(0);
        return;
    }
    current->AddNode(name, attributeText);
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
    }
}

bool XML_Param_Notify::setText(const ParamPath& path, std::string_view text) {
    if (path.size() < kMinPathComponents) {
        return false;
    }
    const std::size_t nodeCount = path.size() - 1;
    XML_Node* node = nullptr;
    std::size_t matched = 0;
    if (m_root.name() == path.front()) {
        node = &m_root;
        for (matched = 1; matched < nodeCount; ++matched) {
            XML_Node* next = node->findChild(path[matched]);
            if (next == nullptr) {
                break;
            }
            node = next;
        }
    }
    for (std::size_t i = matched; i < nodeCount; ++i) {
        if (node == nullptr) {
            // A root of another name is renamed rather than replaced: what it holds stays.
            m_root.SetNode(path[i], {});
            node = &m_root;
        } else {
            node = &node->AddNode(path[i], {});
        }
    }
    node->SetElement(path.back(), text, {});
    return true;
}

const Element* XML_Param_Notify::findEntry(const ParamPath& path) const {
    if (path.size() < kMinPathComponents) {
        return nullptr;
    }
    const XML_Node* node = FindPathNode(std::span(path).first(path.size() - 1));
    return node == nullptr ? nullptr : node->findElement(path.back());
}

XML_Node* XML_Param_Notify::currentNode() {
    if (m_openNodes.empty()) {
        return nullptr;
    }
    XML_Node* node = &m_root;
    for (auto index = std::next(m_openNodes.begin()); index != m_openNodes.end(); ++index) {
        node = &node->child(*index);
    }
    return node;
}

} // namespace orvex
