#include "windows/main/playlist_text_validator.h"

namespace orvex {

PlaylistTextValidator::PlaylistTextValidator(std::size_t maxBytes, QObject* parent)
    : QValidator(parent), m_maxBytes(maxBytes) {}

QValidator::State PlaylistTextValidator::validate(QString& input, int&) const {
    const TextFault fault = toPlaylistText(input.toStdString(), m_maxBytes).fault;
    if (fault == TextFault::kNone) {
        return Acceptable;
    }
    m_lastFault = fault;
    return Invalid;
}

QString describeTextFault(TextFault fault, std::size_t maxBytes) {
    switch (fault) {
    case TextFault::kNone:
        break;
    case TextFault::kNotWindows1252:
        return QObject::tr("The name holds a character the playlist cannot store (only Western "
                           "European letters and signs are possible).");
    case TextFault::kControlCharacter:
        return QObject::tr("The name holds a tab, line break or other control character.");
    case TextFault::kLessThanSign:
        return QObject::tr("The name holds \"<\", which the playlist cannot store.");
    case TextFault::kTooLong:
        return QObject::tr("The name is longer than %1 characters.").arg(maxBytes);
    }
    return {};
}

} // namespace orvex
