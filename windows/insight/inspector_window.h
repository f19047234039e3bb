#pragma once

#include "insight/moment.h"
#include "model/records.h"

#include <QDialog>
#include <optional>

class QDateEdit;
class QLabel;
class QPushButton;
class QTableView;
class QTimeEdit;

namespace orvex {

class InspectorModel;

// "Why is this loop (not) playing?": for a date and a time of day the user may change, a
// table of every loop in priority order with its state, the conditions that keep it off and
// its next start. It only reads the loop table.
class InspectorWindow : public QDialog {
    Q_OBJECT

public:
    explicit InspectorWindow(const LoopTable& loops, QWidget* parent = nullptr);

    // Answers for `moment`, with `loop`'s row selected if given, and brings the window up.
    void inspect(const Moment& moment, std::optional<std::uint8_t> loop = std::nullopt);
    Moment moment() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    InspectorModel* m_model = nullptr;
    QLabel* m_dateLabel = nullptr;
    QDateEdit* m_date = nullptr;
    QLabel* m_timeLabel = nullptr;
    QTimeEdit* m_time = nullptr;
    QTableView* m_table = nullptr;
    QPushButton* m_closeButton = nullptr;

    void retranslate();
    void MomentChange();
};

} // namespace orvex
