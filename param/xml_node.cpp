#include "param/xml_node.h"

#include <ostream>
#include <vector>

namespace orvex {

namespace {

// Visits a subtree in document order without recursion, since a tree built by setters may be
// deeper than any stack: open(node, depth) before the node's children, close(node, depth) after.
template <typename Open, typename Close>
void walk(const XmlTree& tree, XmlId top, Open open, Close close) {
    struct Frame {
        XmlId node;
        XmlId nextChild;
    };
    std::vector<Frame> frames;
    open(top, std::size_t{0});
    frames.push_back({top, tree.nodeRecord(top).children.first});
    while (!frames.empty()) {
        Frame& frame = frames.back();
        if (frame.nextChild == kNoXmlId) {
            close(frame.node, frames.size() - 1);
            frames.pop_back();
            continue;
        }
        const XmlId child = frame.nextChild;
        frame.nextChild = tree.nodeRecord(child).nextSibling;
        open(child, frames.size());
        frames.push_back({child, tree.nodeRecord(child).children.first});
    }
}

} // namespace

XML_Node::Entry XML_Node::EntryLinks::item(const XmlTree& tree, XmlId id) {
    const XmlTree::EntryRecord& record = tree.entryRecord(id);
    return {tree.text(record.name), {tree.text(record.value), tree.text(record.attributeText)}};
}

bool XML_Node::GetElement(std::string_view name, std::string& output) const {
    const std::optional<Element> element = findElement(name);
    if (!element) {
        return false;
    }
    output = element->value;
    return true;
}

std::optional<Element> XML_Node::findElement(std::string_view name) const {
    const XmlId entry = m_tree->findEntry(m_id, name);
    if (entry == kNoXmlId) {
        return std::nullopt;
    }
    return EntryLinks::item(*m_tree, entry).element;
}

std::optional<XML_Node> XML_Node::findChild(std::string_view name) const {
    const XmlId child = m_tree->findChild(m_id, name);
    if (child == kNoXmlId) {
        return std::nullopt;
    }
    return XML_Node(*m_tree, child);
}

void XML_Node::WriteTree(std::ostream& out) const {
    // Each line goes out as soon as it is complete, as a stream's reader may expect.
    std::string line;
    appendLines(line, [&out](std::string& text) {
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        text.clear();
    });
}

void XML_Node::writePieces(const TextPieces& write) const {
    // Big enough that each piece costs little to hand on, small enough to stay in the cache;
    // the whole text of a full sequence would take three fresh megabytes on every save.
    constexpr std::size_t kPiece = 16384;
    std::string piece;
    piece.reserve(2 * kPiece);
    appendLines(piece, [&write](std::string& text) {
        if (text.size() >= kPiece) {
            write(text);
            text.clear();
        }
    });
    write(piece);
}

// Appends to a text rather than inserting into a stream: each insertion pays for a stream sentry,
// which made up most of the cost of writing a full sequence.
template <typename LineDone>
void XML_Node::appendLines(std::string& text, LineDone lineDone) const {
    walk(
        *m_tree, m_id,
        [&](XmlId id, std::size_t depth) {
            const XML_Node node(*m_tree, id);
            text.append(depth, '\t');
            text += '<';
            text += node.name();
            text += ">\n";
            lineDone(text);
            for (const Entry& entry : node.entries()) {
                text.append(depth + 1, '\t');
                text += '<';
                text += entry.name;
                text += '>';
                text += entry.element.value;
                text += "</";
                text += entry.name;
                text += ">\n";
                lineDone(text);
            }
        },
        [&](XmlId id, std::size_t depth) {
            text.append(depth, '\t');
            text += "</";
            text += XML_Node(*m_tree, id).name();
            text += ">\n";
            lineDone(text);
        });
}

} // namespace orvex
