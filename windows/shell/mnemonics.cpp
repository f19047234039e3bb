#include "windows/shell/mnemonics.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <vector>

namespace orvex {
namespace {

QString withoutMnemonic(QString text) {
    return text.remove(QLatin1Char('&'));
}

// Where the mnemonic goes in `caption`, or -1 when every letter is taken.
qsizetype pickLetter(const QString& caption, QSet<QChar>& taken) {
    std::vector<qsizetype> candidates;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i].isLetterOrNumber() && (i == 0 || caption[i - 1].isSpace())) {
            candidates.push_back(i);
        }
    }
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i].isLetterOrNumber()) {
            candidates.push_back(i);
        }
    }
    for (const qsizetype at : candidates) {
        const QChar letter = caption[at].toLower();
        if (!taken.contains(letter)) {
            taken.insert(letter);
            return at;
        }
    }
    return -1;
}

template <typename Control> std::vector<Control*> ownControls(QWidget* window) {
    std::vector<Control*> own;
    for (Control* control : window->findChildren<Control*>()) {
        if (control->window() == window && !control->isHidden()) {
            own.push_back(control);
        }
    }
    return own;
}

template <typename Control> void assign(const std::vector<Control*>& controls, QSet<QChar>& taken) {
    for (Control* control : controls) {
        QString caption = withoutMnemonic(control->text());
        const qsizetype at = pickLetter(caption, taken);
        if (at >= 0) {
            caption.insert(at, QLatin1Char('&'));
        }
        control->setText(caption);
    }
}

} // namespace

void assignMnemonics(QWidget* window) {
    QSet<QChar> taken;
    assign(ownControls<QPushButton>(window), taken);
    assign(ownControls<QCheckBox>(window), taken);
    std::vector<QLabel*> labels;
    for (QLabel* label : ownControls<QLabel>(window)) {
        if (label->buddy() != nullptr) {
            labels.push_back(label);
        }
    }
    assign(labels, taken);
}

} // namespace orvex
