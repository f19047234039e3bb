#pragma once

#include "param/file_result.h"
#include "param/value_text.h"
#include "param/xml_param_notify.h"
#include "param/xml_stream.h"

#include <concepts>
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>

namespace orvex {

// One parameter document for one save or one load: values set and read by colon-separated path
// ("PARAMS:MAIN:ScrollText"), written to and read from an XML file.
class ParamIO {
public:
    ParamIO() = default;
    ParamIO(const ParamIO&) = delete;
    ParamIO& operator=(const ParamIO&) = delete;

    // Stores the value as text, creating the nodes the path is missing. True unless the path lacks
    // a node name or an entry name.
    bool SetValue(std::string_view path, const char* value);
    bool SetValue(std::string_view path, const std::string& value);
    template <std::same_as<bool> Flag> bool SetValue(std::string_view path, Flag value) {
        return m_notify.SetValue(PathText(path), value);
    }
    template <ParamNumber Number> bool SetValue(std::string_view path, Number value) {
        return m_notify.SetValue(PathText(path), value);
    }

    // False, output untouched, when the path is missing or the value is no 32-bit number.
    bool GetValue(std::string_view path, std::uint32_t& output) const;
    bool GetValue(std::string_view path, std::string& output) const;
    // As GetValue, but a missing path delivers the default.
    bool GetValueOr(std::string_view path, std::string& output, const std::string& fallback) const;

    // Writes the document with CR LF line ends, replacing the file whole. On failure an existing
    // file keeps its contents.
    FileResult WriteFile(const std::filesystem::path& fileName) const;
    // Replaces the document with the file's content, taking each CR LF as a line feed. On failure
    // the document is untouched.
    FileResult ReadFile(const std::filesystem::path& fileName);
    // Replaces the document with the stream's content, taken as it comes.
    void ReadStream(std::istream& in);

    const XML_Param_Notify& notify() const { return m_notify; }

private:
    void readText(std::string text);

    XmlStream m_stream;
    XML_Param_Notify m_notify;
};

} // namespace orvex
