#include "jpeg/tests/temp_folder.h"

#include "jpeg/fixture/jpeg_writer.h"

#include <random>
#include <stdexcept>
#include <system_error>

namespace orvex::test {

TempFolder::TempFolder() {
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = std::filesystem::temp_directory_path() /
                         ("orvex_jpeg_test_" + std::to_string(random()));
        if (std::filesystem::create_directory(candidate)) {
            m_path = std::move(candidate);
            return;
        }
    }
    throw std::runtime_error("cannot make a temporary folder");
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::filesystem::path TempFolder::write(const std::string& name,
                                        std::span<const std::uint8_t> bytes) const {
    auto file = m_path / name;
    fixture::writeBytes(file, bytes);
    return file;
}

} // namespace orvex::test
