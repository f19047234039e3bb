#include "windows/shell/guarded_application.h"

#include <QMessageBox>
#include <exception>

namespace orvex {

GuardedApplication::GuardedApplication(int& argc, char** argv)
    : QApplication(argc, argv), m_errorDisplay(showCriticalError) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        m_errorDisplay(QString::fromUtf8(error.what()));
    } catch (...) {
        m_errorDisplay(QString());
    }
    return false;
}

void GuardedApplication::setErrorDisplay(ErrorDisplay display) {
    m_errorDisplay = std::move(display);
}

void showCriticalError(const QString& message) {
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), message);
}

} // namespace orvex
