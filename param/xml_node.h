#pragma once

#include "param/name_index.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvex {

// The value part of one entry of a node.
struct Element {
    std::string value;
    // Raw attribute text of the tag the entry was read from; kept, never interpreted.
    std::string attributeText;
};

// One node of the parameter tree: named entries in first-set order, then child nodes in the order
// they were added. A plain value type: copying a node copies its whole subtree. Searches by name
// always find the first entry or child of that name.
class XML_Node {
public:
    using Entry = std::pair<std::string, Element>;

    // Appends a new child without looking for an existing one of the same name.
    XML_Node& AddNode(std::string_view name, std::string_view attributeText);
    // Names the node, keeping its entries and children. Siblings are found by the name they were
    // added with, so this is for a root, which no node holds.
    void SetNode(std::string_view name, std::string_view attributeText);
    // Replaces the value of the first entry of that name in place, or appends a new entry.
    void SetElement(std::string_view name, std::string_view value, std::string_view attributeText);
    // Leaves the output untouched and returns false when no entry has that name.
    bool GetElement(std::string_view name, std::string& output) const;
    // Empties the node, name included; like SetNode, for a root.
    void Clear();

    // Writes the node and its subtree as tab-indented XML text with LF line ends.
    void WriteTree(std::ostream& out) const;
    // The same text, appended to the given one.
    void appendTree(std::string& text) const;

    // The first entry or child of that name, or null.
    const Element* findElement(std::string_view name) const;
    const XML_Node* findChild(std::string_view name) const;
    XML_Node* findChild(std::string_view name);

    const std::string& name() const { return m_name; }
    const std::string& attributeText() const { return m_attributeText; }
    const std::vector<Entry>& entries() const { return m_entries; }
    const std::vector<XML_Node>& children() const { return m_children; }
    XML_Node& child(std::size_t index) { return m_children.at(index); }

private:
    // Calls lineDone(text) after each line end it appends.
    template <typename LineDone>
    void appendAt(std::string& text, std::size_t depth, LineDone lineDone) const;
    // The length of the text appendAt appends.
    std::size_t sizeAt(std::size_t depth) const;
    std::size_t entryPosition(std::string_view name) const;
    std::size_t childPosition(std::string_view name) const;

    std::vector<Entry> m_entries;
    std::string m_name;
    std::string m_attributeText;
    std::vector<XML_Node> m_children;
    NameIndex m_entryIndex;
    NameIndex m_childIndex;
};

// Matches a node whose name equals the held text byte for byte.
struct FindNode {
    std::string_view name;
    bool operator()(const XML_Node& node) const { return node.name() == name; }
};

// Matches an entry whose name equals the held text byte for byte.
struct FindElement {
    std::string_view name;
    bool operator()(const XML_Node::Entry& entry) const { return entry.first == name; }
};

} // namespace orvex
