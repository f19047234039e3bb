#include "param/xml_tree.h"

#include "param/short_bytes.h"
#include "param/xml_node.h"

#include <algorithm>
#include <string>
#include <utility>

namespace orvex {

namespace {

// Below this many, walking the chain is faster than a hash lookup, and a playlist's nodes, with
// at most 17 entries, stay without an index.
constexpr std::uint32_t kIndexedFrom = 32;

std::uint64_t nameBit(std::string_view name) {
    const auto first = name.empty() ? 0U : static_cast<unsigned char>(name.front());
    return std::uint64_t{1} << ((name.size() * 7 + first) % 64);
}

// Appends the record with that id, the last of its list, to the chain.
template <typename Record>
void append(BlockList<Record>& list, XmlTree::Chain& chain, XmlId id, XmlId Record::*next) {
    if (chain.last == kNoXmlId) {
        chain.first = id;
    } else {
        list[chain.last].*next = id;
    }
    chain.last = id;
    ++chain.count;
}

} // namespace

XmlTree::XmlTree() {
    m_nodes.push_back(NodeRecord{});
}

XmlTree::XmlTree(XmlTree&& other)
    : m_nodes(std::move(other.m_nodes)), m_entries(std::move(other.m_entries)),
      m_text(std::move(other.m_text)), m_entryIndexes(std::move(other.m_entryIndexes)),
      m_childIndexes(std::move(other.m_childIndexes)) {
    other.Clear();
}

XmlTree& XmlTree::operator=(XmlTree&& other) {
    if (this != &other) {
        m_nodes = std::move(other.m_nodes);
        m_entries = std::move(other.m_entries);
        m_text = std::move(other.m_text);
        m_entryIndexes = std::move(other.m_entryIndexes);
        m_childIndexes = std::move(other.m_childIndexes);
        other.Clear();
    }
    return *this;
}

XML_Node XmlTree::root() const {
    return XML_Node(*this, kRoot);
}

XmlId XmlTree::AddNode(XmlId parent, std::string_view name, std::string_view attributeText) {
    if (m_text.holds(name) || m_text.holds(attributeText)) {
        // Adding may move the pool and these texts with it.
        return AddNode(parent, std::string(name), std::string(attributeText));
    }
    const auto id = static_cast<XmlId>(m_nodes.size());
    NodeRecord record;
    m_text.reserveMore(name.size() + attributeText.size());
    record.name = m_text.addReserved(name);
    record.attributeText = m_text.addReserved(attributeText);
    m_nodes.push_back(record);

    append(m_nodes, m_nodes[parent].children, id, &NodeRecord::nextSibling);
    if (const auto index = m_childIndexes.find(parent); index != m_childIndexes.end()) {
        index->second.add(name, id);
    }
    return id;
}

void XmlTree::SetNode(std::string_view name, std::string_view attributeText) {
    if (m_text.holds(name) || m_text.holds(attributeText)) {
        // Adding may move the pool and these texts with it.
        SetNode(std::string(name), std::string(attributeText));
        return;
    }
    restore(m_nodes[kRoot].name, name);
    restore(m_nodes[kRoot].attributeText, attributeText);
}

void XmlTree::SetElement(XmlId node, std::string_view name, std::string_view value,
                         std::string_view attributeText) {
    if (m_text.holds(name) || m_text.holds(value) || m_text.holds(attributeText)) {
        // Adding may move the pool and these texts with it.
        SetElement(node, std::string(name), std::string(value), std::string(attributeText));
        return;
    }
    const XmlId found = findEntry(node, name);
    if (found != kNoXmlId) {
        restore(m_entries[found].value, value);
        restore(m_entries[found].attributeText, attributeText);
        return;
    }
    const auto id = static_cast<XmlId>(m_entries.size());
    m_text.reserveMore(name.size() + value.size() + attributeText.size());
    m_entries.push_back({m_text.addReserved(name), m_text.addReserved(value),
                         m_text.addReserved(attributeText), kNoXmlId});

    NodeRecord& nodeRecord = m_nodes[node];
    nodeRecord.entryNameBits |= nameBit(name);
    append(m_entries, nodeRecord.entries, id, &EntryRecord::next);
    if (nodeRecord.entries.count == kIndexedFrom) {
        NameIndex& index = m_entryIndexes[node];
        for (XmlId entry = nodeRecord.entries.first; entry != kNoXmlId;
             entry = m_entries[entry].next) {
            index.add(text(m_entries[entry].name), entry);
        }
    } else if (nodeRecord.entries.count > kIndexedFrom) {
        m_entryIndexes[node].add(name, id);
    }
}

void XmlTree::Clear() {
    m_nodes.clear();
    m_nodes.push_back(NodeRecord{});
    m_entries.clear();
    m_text.clear();
    m_entryIndexes.clear();
    m_childIndexes.clear();
}

XmlId XmlTree::findEntry(XmlId node, std::string_view name) const {
    const NodeRecord& record = m_nodes[node];
    if ((record.entryNameBits & nameBit(name)) == 0) {
        return kNoXmlId;
    }
    if (record.entries.count >= kIndexedFrom) {
        return m_entryIndexes.at(node).find(name);
    }
    for (XmlId entry = record.entries.first; entry != kNoXmlId; entry = m_entries[entry].next) {
        if (named(m_entries[entry].name, name)) {
            return entry;
        }
    }
    return kNoXmlId;
}

XmlId XmlTree::findChild(XmlId node, std::string_view name) const {
    const NodeRecord& record = m_nodes[node];
    if (record.children.count >= kIndexedFrom) {
        return childIndex(node).find(name);
    }
    for (XmlId child = record.children.first; child != kNoXmlId;
         child = m_nodes[child].nextSibling) {
        if (named(m_nodes[child].name, name)) {
            return child;
        }
    }
    return kNoXmlId;
}

void XmlTree::reserveForText(std::size_t textSize) {
    // Far more than the largest playlist: past it the lists grow as they fill, rather than
    // claiming memory in proportion to a huge text that may hold little.
    constexpr std::size_t kReservedUpTo = std::size_t{16} << 20;
    const std::size_t basis = std::min(textSize, kReservedUpTo);
    // What a playlist takes per byte of its text, give or take a little.
    m_text.reserveMore(basis / 2);
}

bool XmlTree::named(TextRef stored, std::string_view name) const {
    if (stored.length != name.size()) {
        return false;
    }
    return equalShort(m_text.text(stored).data(), name.data(), name.size());
}

const NameIndex& XmlTree::childIndex(XmlId node) const {
    const auto [index, made] = m_childIndexes.try_emplace(node);
    if (made) {
        for (XmlId child = m_nodes[node].children.first; child != kNoXmlId;
             child = m_nodes[child].nextSibling) {
            index->second.add(text(m_nodes[child].name), child);
        }
    }
    return index->second;
}

void XmlTree::restore(TextRef& ref, std::string_view text) {
    if (text.size() <= ref.length) {
        m_text.overwrite(ref, text);
        return;
    }
    m_text.reserveMore(text.size());
    ref = m_text.addReserved(text);
}

} // namespace orvex
