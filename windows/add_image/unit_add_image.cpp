#include "windows/add_image/unit_add_image.h"

namespace orvex {

TFormAddImage::TFormAddImage(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormAddImage"));
    setWindowTitle(QStringLiteral("Add Image"));
    setFixedSize(534, 338);
}

} // namespace orvex
