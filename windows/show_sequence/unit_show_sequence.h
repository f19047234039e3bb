#pragma once
// Temporary stand-in until the schedule window lands; replace freely.
#include "model/records.h"

#include <QDialog>

namespace orvex {

class TFormShowSeq : public QDialog {
public:
    explicit TFormShowSeq(const LoopTable&, QWidget* parent = nullptr) : QDialog(parent) {
        setWindowTitle(QStringLiteral("Schedule"));
    }
};

} // namespace orvex
