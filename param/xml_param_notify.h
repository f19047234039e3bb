#pragma once

#include "param/param_path.h"
#include "param/value_text.h"
#include "param/xml_node.h"
#include "param/xml_notify.h"

#include <concepts>
#include <cstdint>
#include <iosfwd>
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

    // The node the names lead to from the root, or null; the root for no names.
    const XML_Node* FindPathNode(std::span<const std::string> nodeNames) const;

    void Clear();
    void WriteTree(std::ostream& out) const;
    void appendTree(std::string& text) const { m_root.appendTree(text); }

    const XML_Node& root() const { return m_root; }

    void FoundNode(std::string_view name, std::string_view attributeText) override;
    void FoundElement(std::string_view name, std::string_view value,
                      std::string_view attributeText) override;
    void EndNode(std::string_view name, std::string_view attributeText) override;

private:
    bool setText(const ParamPath& path, std::string_view text);
    bool setText(const PathText& path, std::string_view text);
    struct Reached {
        XML_Node* node;
        // Whether a search for the same names ends at this node, which one made after renaming
        // the root need not: an earlier child of the same name comes first.
        bool searchable;
    };
    // The node that holds the entry: found, or created with the nodes missing on the way.
    template <typename NodeNames> Reached nodeFor(NodeNames nodeNames);
    const Element* findEntry(const ParamPath& path) const;
    const Element* findEntry(const PathText& path) const;
    template <typename NodeNames> const XML_Node* findNode(NodeNames nodeNames) const;
    XML_Node* currentNode();

    XML_Node m_root;
    // The open nodes while reading, as child indexes below the root; the first index stands for
    // the root itself. Indexes stay valid while children are appended, where references would not.
    std::vector<std::size_t> m_openNodes;
    // The node m_openNodes leads to, kept so that an event need not walk there; null when it must
    // be found again, since a setter that adds a node may move the open ones.
    XML_Node* m_currentNode = nullptr;
    // The node the last path text led a setter to, and that text's node names: a save sets the
    // values of one node one after another. Null whenever a node may have moved or a search may
    // now end elsewhere, that is, once any node was added or the root renamed.
    XML_Node* m_lastSetNode = nullptr;
    std::string m_lastSetNodeText;
};

} // namespace orvex
