#include "param/param_io.h"

#include "param/text_file.h"

#include <algorithm>
#include <istream>
#include <utility>

namespace orvex {

bool ParamIO::SetValue(std::string_view path, const char* value) {
    return m_notify.SetValue(PathText(path), value);
}

bool ParamIO::SetValue(std::string_view path, const std::string& value) {
    return m_notify.SetValue(PathText(path), value);
}

bool ParamIO::GetValue(std::string_view path, std::uint32_t& output) const {
    return m_notify.GetValue(PathText(path), output);
}

bool ParamIO::GetValue(std::string_view path, std::string& output) const {
    return m_notify.GetValue(PathText(path), output);
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
    return replaceTextFile(fileName,
                           [this](const TextPieces& write) { m_notify.writePieces(write); });
}

FileResult ParamIO::ReadFile(const std::filesystem::path& fileName) {
    std::string text;
    FileResult result = readTextFile(fileName, text, XmlStream::kMaxTextSize);
    if (result) {
        readText(std::move(text));
    }
    return result;
}

void ParamIO::ReadStream(std::istream& in) {
    constexpr std::streamsize kChunk = 65536;
    // Read straight into the text rather than through a buffer, which copied every byte twice.
    // Streams over a string or a file know how much is left, which saves growing the text; one
    // byte more lets the first read end at the end of the stream instead of a second one.
    std::streamsize chunk = std::max(in.rdbuf()->in_avail() + 1, kChunk);
    std::string text;
    std::size_t size = 0;
    do {
        text.resize(size + static_cast<std::size_t>(chunk));
        in.read(text.data() + size, chunk);
        size += static_cast<std::size_t>(in.gcount());
        chunk = kChunk;
    } while (in);
    text.resize(size);
    readText(std::move(text));
}

void ParamIO::readText(std::string text) {
    m_notify.Clear();
    m_notify.reserveForText(text.size());
    m_stream.SetNotify(&m_notify);
    m_stream.Parse(std::move(text));
}

} // namespace orvex
