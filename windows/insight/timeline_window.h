#pragma once

#include "model/records.h"

#include <QDialog>
#include <cstdint>

class QButtonGroup;
class QDateEdit;
class QLabel;
class QPushButton;
class QRadioButton;

namespace orvex {

class InspectorWindow;
class TimelineView;
struct TimelineHit;

// What is on screen over a week, or a day, from a chosen date: a lane per loop with the spans
// in which it plays, Active or Overlapped, below the lane of the loop that wins. A click or
// Enter on a moment opens the inspector there. It only reads the loop table; each showing
// reflects the loops as they are then.
class TimelineWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr int kWeekDays = 7;

    explicit TimelineWindow(const LoopTable& loops, QWidget* parent = nullptr);

    // The first day shown. The first showing starts from today unless this was set; after
    // that the user's last choice is kept.
    void setFirstDay(std::int64_t day);
    std::int64_t firstDay() const;
    InspectorWindow* inspector() const { return m_inspector; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    const LoopTable& m_loops;
    bool m_firstDayChosen = false;
    QLabel* m_dateLabel = nullptr;
    QDateEdit* m_date = nullptr;
    QPushButton* m_previous = nullptr;
    QPushButton* m_next = nullptr;
    QRadioButton* m_week = nullptr;
    QRadioButton* m_day = nullptr;
    QButtonGroup* m_span = nullptr;
    TimelineView* m_view = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_help = nullptr;
    QPushButton* m_closeButton = nullptr;
    InspectorWindow* m_inspector = nullptr;
    QList<QLabel*> m_legendTexts;

    QWidget* buildLegend();
    void retranslate();
    int dayCount() const;
    void recompute();
    void step(int direction);
    void TimelineActivate(const TimelineHit& hit);
    void TimelineCursorMove();
};

} // namespace orvex
