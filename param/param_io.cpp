#include "param/param_io.h"

#include "param/text_file.h"

#include <istream>
#include <sstream>
#include <utility>

namespace orvex {

bool ParamIO::SetValue(std::string_view path, const char* value) {
    return m_notify.SetValue(SplitPath(path), value);
}

bool ParamIO::SetValue(std::string_view path, const std::string& value) {
    return m_notify.SetValue(SplitPath(path), value);
}

bool ParamIO::GetValue(std::string_view path, std::uint32_t& output) const {
    return m_notify.GetValue(SplitPath(path), output);
}

bool ParamIO::GetValue(std::string_view path, std::string& output) const {
    return m_notify.GetValue(SplitPath(path), output);
}

bool ParamIO::GetValueOr(std::string_view path, std::string& output,
                         const std::string& fallback) const {
    if (GetValue(path, output)) {
        return true;
    }
    output = fallback;
    return false;
}

FileResult ParamIO::WriteFile(const std::filesystem::path& fileName) const {
    std::ostringstream text;
    m_notify.WriteTree(text);
    return replaceTextFile(fileName, text.view());
}

FileResult ParamIO::ReadFile(const std::filesystem::path& fileName) {
    std::string text;
    FileResult result = readTextFile(fileName, text);
    if (result) {
        readText(std::move(text));
    }
    return result;
}

void ParamIO::ReadStream(std::istream& in) {
    std::string text;
    // Streams over a string or a file know how much is left, which saves growing the text.
    if (const std::streamsize available = in.rdbuf()->in_avail(); available > 0) {
        text.reserve(static_cast<std::size_t>(available));
    }
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    readText(std::move(text));
}

void ParamIO::readText(std::string text) {
    m_notify.Clear();
    m_stream.SetNotify(&m_notify);
    m_stream.Parse(std::move(text));
}

} // namespace orvex
