#pragma once

#include <QDialog>

namespace orvex {

class TFormAddImage : public QDialog {
    Q_OBJECT
public:
    explicit TFormAddImage(QWidget* parent = nullptr);
};

} // namespace orvex
