#pragma once

#include "param/block_list.h"
#include "param/name_index.h"
#include "param/text_pool.h"

#include <cstdint>
#include <string_view>
#include <unordered_map>

namespace orvex {

class XML_Node;

// Names one node or one entry of a tree; it stays valid until the tree is cleared.
using XmlId = std::uint32_t;
inline constexpr XmlId kNoXmlId = static_cast<XmlId>(-1);

// One parameter tree: named entries in first-set order and child nodes in the order they were
// added, down from one root. Every node, every entry and every text of the tree lives in one of
// three lists, each node chaining its entries and its children in order, so that building or
// freeing a tree of a hundred thousand values costs some dozens of allocations rather than one
// or more per node. A plain value type: a copy holds the whole tree. Searches by name always find
// the first entry or child of that name.
class XmlTree {
public:
    static constexpr XmlId kRoot = 0;

    // Where one text of the tree stands in its text list.
    using TextRef = TextPool::Ref;
    // The entries or the children of one node, chained in order through their records.
    struct Chain {
        XmlId first = kNoXmlId;
        XmlId last = kNoXmlId;
        std::uint32_t count = 0;
    };
    struct NodeRecord {
        TextRef name;
        TextRef attributeText;
        // A bit for each length and first byte of the entry names, so that most searches for a
        // name the node lacks, as every entry added while reading is, end without a walk.
        std::uint64_t entryNameBits = 0;
        Chain entries;
        Chain children;
        XmlId nextSibling = kNoXmlId;
    };
    struct EntryRecord {
        TextRef name;
        TextRef value;
        TextRef attributeText;
        XmlId next = kNoXmlId;
    };

    // An empty, unnamed root.
    XmlTree();
    XmlTree(const XmlTree&) = default;
    XmlTree& operator=(const XmlTree&) = default;
    // A tree moved from is left as a new one.
    XmlTree(XmlTree&& other);
    XmlTree& operator=(XmlTree&& other);
    ~XmlTree() = default;

    XML_Node root() const;

    // Appends a new child to the node without looking for an existing one of the same name.
    XmlId AddNode(XmlId parent, std::string_view name, std::string_view attributeText);
    // Names the root, keeping its entries and children.
    void SetNode(std::string_view name, std::string_view attributeText);
    // Replaces the value of the node's first entry of that name in place, or appends a new entry.
    void SetElement(XmlId node, std::string_view name, std::string_view value,
                    std::string_view attributeText);
    // Empties the tree down to an unnamed root without entries or children.
    void Clear();
    // Sizes the lists for a tree about to be read from a text of that many bytes, so that they
    // need not grow step by step.
    void reserveForText(std::size_t textSize);

    // The node's first entry or child of that name, or kNoXmlId.
    XmlId findEntry(XmlId node, std::string_view name) const;
    XmlId findChild(XmlId node, std::string_view name) const;

    const NodeRecord& nodeRecord(XmlId node) const { return m_nodes[node]; }
    const EntryRecord& entryRecord(XmlId entry) const { return m_entries[entry]; }
    std::string_view text(TextRef ref) const { return m_text.text(ref); }

private:
    // Whether the stored text is the name.
    bool named(TextRef stored, std::string_view name) const;
    // Puts the text where the old one stood when it fits, so that setting a value again and again
    // does not grow the tree. The text may be the tree's own only if it fits.
    void restore(TextRef& ref, std::string_view text);
    const NameIndex& childIndex(XmlId node) const;

    BlockList<NodeRecord> m_nodes;
    BlockList<EntryRecord> m_entries;
    TextPool m_text;
    // First ids by name, for nodes with many entries (kept from the start, as every entry set
    // searches them) and for nodes with many children (made at the first search, as a read adds
    // children without one).
    std::unordered_map<XmlId, NameIndex> m_entryIndexes;
    mutable std::unordered_map<XmlId, NameIndex> m_childIndexes;
};

} // namespace orvex
