#pragma once

#include <QApplication>
#include <QString>
#include <functional>

namespace orvex {

// Every handler runs inside notify(), so this is the one place where an exception that
// escapes a handler is caught: its message is shown and the program goes on.
class GuardedApplication : public QApplication {
public:
    using ErrorDisplay = std::function<void(const QString& message)>;

    GuardedApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Tests replace the message box with a recorder.
    void setErrorDisplay(ErrorDisplay display);

private:
    ErrorDisplay m_errorDisplay;
};

void showCriticalError(const QString& message);

} // namespace orvex
