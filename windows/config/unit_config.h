#pragma once

#include <QDialog>

namespace orvex {

class TFormConfig : public QDialog {
    Q_OBJECT
public:
    explicit TFormConfig(QWidget* parent = nullptr);
};

} // namespace orvex
