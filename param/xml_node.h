#pragma once

#include "param/text_pieces.h"
#include "param/xml_tree.h"

#include <cstddef>
#include <iosfwd>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

namespace orvex {

// The value part of one entry of a node.
struct Element {
    std::string_view value;
    // Raw attribute text of the tag the entry was read from; kept, never interpreted.
    std::string_view attributeText;
};

// One node of a parameter tree, as a view: it reads the tree it was taken from, which must
// outlive it, and shows every later change of it. The texts it hands out stay valid until the
// tree next changes.
class XML_Node {
public:
    struct Entry {
        std::string_view name;
        Element element;
    };

    // The entries or the children of a node, in order, walked along the chain that links them.
    template <typename Links> class Chain {
    public:
        class Iterator {
        public:
            using iterator_category = std::forward_iterator_tag;
            using value_type = typename Links::Item;
            using difference_type = std::ptrdiff_t;
            using pointer = void;
            using reference = value_type;

            Iterator() = default;
            Iterator(const XmlTree* tree, XmlId id) : m_tree(tree), m_id(id) {}
            value_type operator*() const { return Links::item(*m_tree, m_id); }
            Iterator& operator++() {
                m_id = Links::next(*m_tree, m_id);
                return *this;
            }
            Iterator operator++(int) {
                Iterator before = *this;
                ++*this;
                return before;
            }
            friend bool operator==(const Iterator& a, const Iterator& b) {
                return a.m_id == b.m_id;
            }

        private:
            const XmlTree* m_tree = nullptr;
            XmlId m_id = kNoXmlId;
        };

        Chain(const XmlTree& tree, XmlId first, std::size_t size)
            : m_tree(&tree), m_first(first), m_size(size) {}
        Iterator begin() const { return {m_tree, m_first}; }
        Iterator end() const { return {m_tree, kNoXmlId}; }
        std::size_t size() const { return m_size; }
        bool empty() const { return m_size == 0; }
        // Walks the chain up to the item.
        typename Links::Item operator[](std::size_t index) const {
            return *std::next(begin(), static_cast<std::ptrdiff_t>(index));
        }

    private:
        const XmlTree* m_tree;
        XmlId m_first;
        std::size_t m_size;
    };

    struct EntryLinks {
        using Item = Entry;
        static Entry item(const XmlTree& tree, XmlId id);
        static XmlId next(const XmlTree& tree, XmlId id) { return tree.entryRecord(id).next; }
    };
    struct ChildLinks {
        using Item = XML_Node;
        static XML_Node item(const XmlTree& tree, XmlId id) { return XML_Node(tree, id); }
        static XmlId next(const XmlTree& tree, XmlId id) { return tree.nodeRecord(id).nextSibling; }
    };

    XML_Node(const XmlTree& tree, XmlId id) : m_tree(&tree), m_id(id) {}

    std::string_view name() const { return m_tree->text(record().name); }
    std::string_view attributeText() const { return m_tree->text(record().attributeText); }
    Chain<EntryLinks> entries() const {
        return {*m_tree, record().entries.first, record().entries.count};
    }
    Chain<ChildLinks> children() const {
        return {*m_tree, record().children.first, record().children.count};
    }

    // Leaves the output untouched and returns false when no entry has that name.
    bool GetElement(std::string_view name, std::string& output) const;
    // The first entry or child of that name.
    std::optional<Element> findElement(std::string_view name) const;
    std::optional<XML_Node> findChild(std::string_view name) const;

    // Writes the node and its subtree as tab-indented XML text with LF line ends.
    void WriteTree(std::ostream& out) const;
    // The same text, handed on in pieces of some sixteen thousand bytes.
    void writePieces(const TextPieces& write) const;

    // The same node of the same tree.
    friend bool operator==(const XML_Node& a, const XML_Node& b) {
        return a.m_tree == b.m_tree && a.m_id == b.m_id;
    }

private:
    // Calls lineDone(text) after each line end it appends.
    template <typename LineDone> void appendLines(std::string& text, LineDone lineDone) const;
    const XmlTree::NodeRecord& record() const { return m_tree->nodeRecord(m_id); }

    const XmlTree* m_tree;
    XmlId m_id;
};

} // namespace orvex
