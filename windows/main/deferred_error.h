#pragma once

#include <QString>

class QObject;

namespace orvex {

// Shows `message` through the application's standard error display once the event being
// handled now is finished, so that no widget is left half-way through its own event handling
// by the exception that carries the message there. Nothing is shown if `context` is gone.
void showErrorLater(QObject* context, const QString& message);

} // namespace orvex
