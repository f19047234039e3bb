#pragma once

#include <string_view>

namespace orvex {

// Receives what the XML reader finds, in the order the elements occur in the text.
class XmlNotify {
public:
    virtual ~XmlNotify() = default;

    // An element that contains further elements begins.
    virtual void FoundNode(std::string_view name, std::string_view attributeText) = 0;
    // An element without inner elements was read.
    virtual void FoundElement(std::string_view name, std::string_view value,
                              std::string_view attributeText) = 0;
    // The element announced by the matching FoundNode ends.
    virtual void EndNode(std::string_view name, std::string_view attributeText) = 0;

protected:
    XmlNotify() = default;
    XmlNotify(const XmlNotify&) = default;
    XmlNotify& operator=(const XmlNotify&) = default;
};

} // namespace orvex
