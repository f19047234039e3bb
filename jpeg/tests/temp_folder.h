#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace orvex::test {

// A folder of its own under the system's temporary folder, removed with its contents.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path write(const std::string& name, std::span<const std::uint8_t> bytes) const;

private:
    std::filesystem::path m_path;
};

} // namespace orvex::test
