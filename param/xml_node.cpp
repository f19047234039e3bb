#include "param/xml_node.h"

#include <algorithm>
#include <ostream>

namespace orvex {

XML_Node& XML_Node::AddNode(std::string_view name, std::string_view attributeText) {
    XML_Node& node = m_children.emplace_back();
    node.SetNode(name, attributeText);
    m_childIndex.added(m_children.size(),
                       [this](std::size_t i) -> std::string_view { return m_children[i].m_name; });
    return node;
}

void XML_Node::SetNode(std::string_view name, std::string_view attributeText) {
    m_name = name;
    m_attributeText = attributeText;
}

void XML_Node::SetElement(std::string_view name, std::string_view value,
                          std::string_view attributeText) {
    const std::size_t index = entryPosition(name);
    if (index != NameIndex::kNotFound) {
        Element& element = m_entries[index].second;
        element.value = value;
        element.attributeText = attributeText;
        return;
    }
    m_entries.emplace_back(std::string(name),
                           Element{std::string(value), std::string(attributeText)});
    m_entryIndex.added(m_entries.size(),
                       [this](std::size_t i) -> std::string_view { return m_entries[i].first; });
}

bool XML_Node::GetElement(std::string_view name, std::string& output) const {
    const Element* element = findElement(name);
    if (element == nullptr) {
        return false;
    }
    output = element->value;
    return true;
}

void XML_Node::Clear() {
    m_entries.clear();
    m_name.clear();
    m_attributeText.clear();
    m_children.clear();
    m_entryIndex.clear();
    m_childIndex.clear();
}

const Element* XML_Node::findElement(std::string_view name) const {
    const std::size_t index = entryPosition(name);
    return index == NameIndex::kNotFound ? nullptr : &m_entries[index].second;
}

const XML_Node* XML_Node::findChild(std::string_view name) const {
    const std::size_t index = childPosition(name);
    return index == NameIndex::kNotFound ? nullptr : &m_children[index];
}

XML_Node* XML_Node::findChild(std::string_view name) {
    return const_cast<XML_Node*>(std::as_const(*this).findChild(name));
}

std::size_t XML_Node::entryPosition(std::string_view name) const {
    if (m_entryIndex.active()) {
        return m_entryIndex.find(name);
    }
    const auto found = std::find_if(m_entries.begin(), m_entries.end(), FindElement{name});
    return found == m_entries.end() ? NameIndex::kNotFound
                                    : static_cast<std::size_t>(found - m_entries.begin());
}

std::size_t XML_Node::childPosition(std::string_view name) const {
    if (m_childIndex.active()) {
        return m_childIndex.find(name);
    }
    const auto found = std::find_if(m_children.begin(), m_children.end(), FindNode{name});
    return found == m_children.end() ? NameIndex::kNotFound
                                     : static_cast<std::size_t>(found - m_children.begin());
}

void XML_Node::WriteTree(std::ostream& out) const {
    writeAt(out, 0);
}

void XML_Node::writeAt(std::ostream& out, std::size_t depth) const {
    const std::string indent(depth, '\t');
    out << indent << '<' << m_name << ">\n";
    for (const auto& [entryName, element] : m_entries) {
        out << indent << '\t' << '<' << entryName << '>' << element.value << "</" << entryName
            << ">\n";
    }
    for (const XML_Node& childNode : m_children) {
        childNode.writeAt(out, depth + 1);
    }
    out << indent << "</" << m_name << ">\n";
}

} // namespace orvex
