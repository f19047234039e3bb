#pragma once

#include "model/text_rules.h"

#include <QValidator>

namespace orvex {

// Refuses, keystroke by keystroke and paste by paste, any text the playlist cannot carry, so
// that a box never holds a text that would be stored mangled. lastFault() says why the last
// refused text was refused.
class PlaylistTextValidator : public QValidator {
    Q_OBJECT
public:
    PlaylistTextValidator(std::size_t maxBytes, QObject* parent);

    State validate(QString& input, int& pos) const override;
    TextFault lastFault() const { return m_lastFault; }

private:
    std::size_t m_maxBytes;
    mutable TextFault m_lastFault = TextFault::kNone;
};

// One sentence saying why a name was refused; `maxBytes` is the limit that applied.
QString describeTextFault(TextFault fault, std::size_t maxBytes);

} // namespace orvex
