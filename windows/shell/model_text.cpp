#include "windows/shell/model_text.h"

#include "platform/cp1252.h"

namespace orvex {

QString modelText(std::string_view cp1252) {
    return QString::fromStdString(cp1252ToUtf8(cp1252));
}

} // namespace orvex
