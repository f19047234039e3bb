#pragma once

class QWidget;

namespace orvex {

// Gives each button, check box and labelled control of `window` (not of the dialogs it owns)
// an Alt key of its own: the first free initial of a word of its caption, else its first free
// letter. Push buttons choose first, then check boxes, then labels, each in the order they were
// made. Run again after the captions change.
void assignMnemonics(QWidget* window);

} // namespace orvex
