#include "windows/config/unit_config.h"

namespace orvex {

TFormConfig::TFormConfig(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormConfig"));
    setWindowTitle(QStringLiteral("General Config"));
    setFixedSize(378, 520);
}

} // namespace orvex
