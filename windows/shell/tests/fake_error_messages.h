#pragma once

#include "windows/shell/error_messages.h"

#include <QStringList>

namespace orvex::testing {

// Records every message instead of showing it.
class FakeErrorMessages final : public ErrorMessages {
public:
    QStringList errors;
    void showError(QWidget*, const QString& message) override { errors << message; }
};

} // namespace orvex::testing
