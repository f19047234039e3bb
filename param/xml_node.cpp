#include "param/xml_node.h"

#include <algorithm>
#include <ostream>
#include <tuple>
#include <utility>

namespace orvex {

namespace {

constexpr std::size_t kFirstEntries = 4;

} // namespace

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
    if (m_entries.empty()) {
        // Growing one entry at a time costs a node of the usual size three moves of its entries.
        m_entries.reserve(kFirstEntries);
    }
    // Built in place from the texts: assigning them to empty strings cost more.
    Entry& entry = m_entries.emplace_back(std::piecewise_construct, std::forward_as_tuple(name),
                                          std::forward_as_tuple());
    entry.second.value.assign(value.data(), value.size());
    if (!attributeText.empty()) {
        entry.second.attributeText.assign(attributeText.data(), attributeText.size());
    }
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
    // Each line goes out as soon as it is complete, as a stream's reader may expect.
    std::string line;
    appendAt(line, 0, [&out](std::string& text) {
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        text.clear();
    });
}

void XML_Node::appendTree(std::string& text) const {
    // Growing a text of megabytes step by step copied it over and over.
    text.reserve(text.size() + sizeAt(0));
    appendAt(text, 0, [](std::string&) {});
}

std::size_t XML_Node::sizeAt(std::size_t depth) const {
    // The opening and the closing line, each with its indentation, brackets and line end.
    std::size_t size = 2 * (depth + m_name.size()) + 7;
    for (const auto& [entryName, element] : m_entries) {
        size += depth + 2 * entryName.size() + element.value.size() + 7;
    }
    for (const XML_Node& childNode : m_children) {
        size += childNode.sizeAt(depth + 1);
    }
    return size;
}

// Appends to a text rather than inserting into a stream: each insertion pays for a stream sentry,
// which made up most of the cost of writing a full sequence.
template <typename LineDone>
void XML_Node::appendAt(std::string& text, std::size_t depth, LineDone lineDone) const {
    text.append(depth, '\t');
    text += '<';
    text += m_name;
    text += ">\n";
    lineDone(text);
    for (const auto& [entryName, element] : m_entries) {
        text.append(depth + 1, '\t');
        text += '<';
        text += entryName;
        text += '>';
        text += element.value;
        text += "</";
        text += entryName;
        text += ">\n";
        lineDone(text);
    }
    for (const XML_Node& childNode : m_children) {
        childNode.appendAt(text, depth + 1, lineDone);
    }
    text.append(depth, '\t');
    text += "</";
    text += m_name;
    text += ">\n";
    lineDone(text);
}

} // namespace orvex
