#pragma once

#include <QString>

class QWidget;

namespace orvex {

// Tells the user of a failure where it happens; tests record the messages instead.
class ErrorMessages {
public:
    virtual ~ErrorMessages() = default;
    virtual void showError(QWidget* parent, const QString& message) = 0;
};

} // namespace orvex
