#include "windows/main/deferred_error.h"

#include <QMetaObject>
#include <QObject>
#include <stdexcept>

namespace orvex {

void showErrorLater(QObject* context, const QString& message) {
    QMetaObject::invokeMethod(
        context, [message] { throw std::runtime_error(message.toStdString()); },
        Qt::QueuedConnection);
}

} // namespace orvex
