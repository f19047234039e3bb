// Feeds any bytes to the reader, then queries, changes and rewrites the tree it built. The same
// bytes also describe a tree built through the setters, which must read back unchanged.
#include "param/line_ends.h"
#include "param/param_io.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

namespace {

using orvex::ParamIO;
using orvex::XML_Node;

std::string written(const ParamIO& io) {
    std::ostringstream out;
    io.notify().WriteTree(out);
    return out.str();
}

void read(ParamIO& io, const std::string& text) {
    std::istringstream in(text);
    io.ReadStream(in);
}

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool pathSafe(std::string_view name) {
    return !name.empty() && name.find(':') == std::string_view::npos;
}

void queryReadTree(ParamIO& io) {
    const XML_Node root = io.notify().root();
    if (!pathSafe(root.name())) {
        return;
    }
    for (const auto& [name, element] : root.entries()) {
        if (!pathSafe(name)) {
            continue;
        }
        const std::string path = std::string(root.name()) + ":" + std::string(name);
        std::string text;
        require(io.GetValue(path, text) && text == element.value);
        std::uint32_t number = 0;
        io.GetValue(path, number);
    }
    std::size_t queried = 0;
    // Setting values while walking the children: the walk must survive the tree growing.
    for (const XML_Node child : root.children()) {
        if (++queried > 64 || !pathSafe(child.name())) {
            break;
        }
        const std::string childPath = std::string(root.name()) + ":" + std::string(child.name());
        for (const auto& entry : child.entries()) {
            std::string text;
            io.GetValueOr(childPath + ":" + std::string(entry.name), text, "none");
        }
        io.SetValue(childPath + ":FUZZ:Added", 42);
    }
    io.SetValue(std::string(root.name()) + ":Added", true);
}

// Turns the bytes into setter calls: short one-letter names, so that paths share nodes, collide
// and rename the root, and values of any bytes but "<", which the reader would take for a tag.
void buildTree(ParamIO& io, std::string_view bytes) {
    static constexpr std::string_view kLetters = "ABCab_09";
    for (int calls = 0; bytes.size() >= 3 && calls < 256; ++calls) {
        const std::size_t components = 2 + static_cast<unsigned char>(bytes[0]) % 3;
        const std::size_t valueLength = static_cast<unsigned char>(bytes[1]) % 24;
        bytes.remove_prefix(2);
        std::string path;
        for (std::size_t i = 0; i < components && !bytes.empty(); ++i) {
            path += i == 0 ? "" : ":";
            path += kLetters[static_cast<unsigned char>(bytes.front()) % kLetters.size()];
            bytes.remove_prefix(1);
        }
        std::string value(bytes.substr(0, valueLength));
        bytes.remove_prefix(value.size());
        for (char& c : value) {
            c = c == '<' ? '_' : c;
        }
        io.SetValue(path, value);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    ParamIO fromText;
    read(fromText, orvex::fromFileLineEnds(bytes));
    queryReadTree(fromText);
    ParamIO reread;
    read(reread, written(fromText));

    ParamIO built;
    buildTree(built, bytes);
    const std::string text = written(built);
    ParamIO builtBack;
    read(builtBack, text);
    require(written(builtBack) == text);

    require(orvex::fromFileLineEnds(orvex::toFileLineEnds(bytes)) == bytes);
    return 0;
}
