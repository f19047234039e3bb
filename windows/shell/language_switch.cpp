#include "windows/shell/language_switch.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QWidget>

namespace orvex {
namespace {

// The desktop's own locale where it speaks the language, so that its region stays.
QLocale localeFor(QLocale::Language language) {
    const QLocale system = QLocale::system();
    return system.language() == language ? system : QLocale(language);
}

} // namespace

void LanguageSwitch::use(int language) {
    if (language != kEnglish && language != kSpanish) {
        return;
    }
    m_language = language;
    QCoreApplication::removeTranslator(&m_own);
    QCoreApplication::removeTranslator(&m_qt);
    const QLocale locale = localeFor(language == kSpanish ? QLocale::Spanish : QLocale::English);
    if (language == kSpanish) {
        // A missing file leaves those texts English rather than failing the switch.
        if (m_own.load(QStringLiteral(":/i18n/orvex_es.qm"))) {
            QCoreApplication::installTranslator(&m_own);
        }
        if (m_qt.load(QStringLiteral("qtbase_es"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(&m_qt);
        }
    }
    // Month and day names that Qt draws, in calendars for example, come from the locale.
    QLocale::setDefault(locale);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->setLocale(locale);
    }
}

} // namespace orvex
