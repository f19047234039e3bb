#include "platform/startup_folder.h"

#include <unistd.h>

namespace orvex {
namespace {

std::string withTrailingSeparator(std::string_view folder) {
    std::string result(folder);
    if (result.empty() || result.back() != '/') {
        result += '/';
    }
    return result;
}

bool isSystemFolder(std::string_view folder) {
    return folder == "/usr" || folder.starts_with("/usr/");
}

} // namespace

std::string startupSequenceFolder(std::string_view executableFolder, std::string_view homeFolder) {
    const std::string folder = withTrailingSeparator(executableFolder);
    if (isSystemFolder(folder) || access(folder.c_str(), W_OK) != 0) {
        return withTrailingSeparator(homeFolder);
    }
    return folder;
}

} // namespace orvex
