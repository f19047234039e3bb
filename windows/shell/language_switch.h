#pragma once

#include <QTranslator>

namespace orvex {

// The translations of the program's own texts and of Qt's dialogs for the chosen language,
// installed for the whole program. Installing them tells every widget to translate itself again.
class LanguageSwitch {
public:
    static constexpr int kEnglish = 0;
    static constexpr int kSpanish = 1;

    // Any other number leaves the language as it is.
    void use(int language);
    int language() const { return m_language; }

private:
    QTranslator m_own;
    QTranslator m_qt;
    int m_language = kEnglish;
};

} // namespace orvex
