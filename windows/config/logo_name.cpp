#include "windows/config/logo_name.h"

#include "model/text_rules.h"
#include "windows/main/playlist_text_validator.h"

#include <QObject>

namespace orvex {

std::string bareLogoName(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\:");
    std::string_view name = separator == std::string_view::npos ? path : path.substr(separator + 1);
    while (!name.empty() && (name.front() == '/' || name.front() == '\\')) {
        name.remove_prefix(1);
    }
    return std::string(name);
}

std::string chosenLogoName(const QString& fileName, QString& why) {
    // Taken for separators when the playlist is read back, either would name another file.
    for (const QChar separator : {QLatin1Char(':'), QLatin1Char('\\')}) {
        if (fileName.contains(separator)) {
            why = QObject::tr("The name holds \"%1\", which the playlist reads as a folder "
                              "separator.")
                      .arg(separator);
            return {};
        }
    }
    const PlaylistText name = toPlaylistText(fileName.toStdString(), kMaxLogoNameBytes);
    if (!name.ok()) {
        why = describeTextFault(name.fault, kMaxLogoNameBytes);
        return {};
    }
    return name.bytes;
}

} // namespace orvex
