#pragma once

#include "param/param_path.h"
#include "param/value_text.h"
#include "param/xml_node.h"
#include "param/xml_notify.h"

#include <concepts>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvex {

// Owns one parameter tree: filled by the typed setters or rebuilt from the reader's events, and
// queried by the typed getters. Paths need a node name and an entry name at least; shorter ones
// set and find nothing.
class XML_Param_Notify final : public XmlNotify {
public:
    XML_Param_Notify() = default;
    XML_Param_Notify(const XML_Param_Notify&) = delete;
    XML_Param_Notify& operator=(const XML_Param_Notify&) = delete;

    // Creates the nodes the path is missing. True unless the path is too short.
    bool SetValue(const ParamPath& path, const char* value);
    bool SetValue(const ParamPath& path, const std::string& value);
    // Only a real bool is a flag: a character or a floating-point number must not turn into one.
    template <std::same_as<bool> Flag> bool SetValue(const ParamPath& path, Flag value) {
        return setText(path, value ? "1" : "0");
    }
    template <ParamNumber Number> bool SetValue(const ParamPath& path, Number value) {
        return setText(path, numberText(value));
    }
    // The same for a path text taken apart in place.
    bool SetValue(const PathText& path, const char* value);
    bool SetValue(const PathText& path, const std::string& value);
    template <std::same_as<bool> Flag> bool SetValue(const PathText& path, Flag value) {
        return setText(path, value ? "1" : "0");
    }
    template <ParamNumber Number> bool SetValue(const PathText& path, Number value) {
        return setText(path, numberText(value));
    }

    // False, output untouched, when the node or entry is missing or the value is no number.
    bool GetValue(const ParamPath& path, std::uint32_t& output) const;
    bool GetValue(const ParamPath& path, std::string& output) const;
    bool GetValue(const PathText& path, std::uint32_t& output) const;
    bool GetValue(const PathText& path, std::string& output) const;

    // The node the names lead to from the root, if any; the root for no names.
    std::optional<XML_Node> FindPathNode(std::span<const std::string> nodeNames) const;

    void Clear();
    // Prepares for reading a text of that many bytes.
    void reserveForText(std::size_t textSize) { m_tree.reserveForText(textSize); }
    void WriteTree(std::ostream& out) const;
    void writePieces(const TextPieces& write) const { root().writePieces(write); }

    XML_Node root() const { return m_tree.root(); }
    const XmlTree& tree() const { return m_tree; }

    void FoundNode(std::string_view name, std::string_view attributeText) override;
    void FoundElement(std::string_view name, std::string_view value,
                      std::string_view attributeText) override;
    void EndNode(std::string_view name, std::string_view attributeText) override;

private:
    bool setText(const ParamPath& path, std::string_view text);
    bool setText(const PathText& path, std::string_view text);
    struct Reached {
        XmlId node;
        // Whether a search for the same names ends at this node, which one made after renaming
        // the root need not: an earlier child of the same name comes first.
        bool searchable;
    };
    // The node that holds the entry: found, or created with the nodes missing on the way.
    template <typename NodeNames> Reached nodeFor(NodeNames nodeNames);
    std::optional<Element> findEntry(const ParamPath& path) const;
    std::optional<Element> findEntry(const PathText& path) const;
    template <typename NodeNames> XmlId findNode(NodeNames nodeNames) const;

    XmlTree m_tree;
    // The open nodes while reading, innermost last.
    std::vector<XmlId> m_openNodes;
    // The node the last path text led a setter to, and that text's node names: a save sets the
    // values of one node one after another. kNoXmlId whenever a search for the names may now
    // end elsewhere, that is, once the root was renamed or the tree cleared.
    XmlId m_lastSetNode = kNoXmlId;
    std::string m_lastSetNodeText;
};

} // namespace orvex
