#pragma once

#include "schedule/schedule_table.h"
#include "windows/show_sequence/text_grid.h"

#include <QDialog>
#include <memory>
#include <optional>

class QCalendarWidget;
class QFrame;
class QLabel;
class QPushButton;

namespace orvex {

class InspectorWindow;
class TimelineWindow;

// The schedule window: the user picks a day in the calendar and sees in the grid when each loop
// starts, is overridden by a loop of higher priority, and stops. It only reads the loop table.
class TFormShowSeq : public QDialog {
    Q_OBJECT

public:
    explicit TFormShowSeq(const LoopTable& loops, QWidget* parent = nullptr);
    ~TFormShowSeq() override;

    // Rebuilds the table and the grid for the calendar day of `date`.
    void ComputeSchedule(TDateTime date);

    // The captions that change with the interface language, all set here.
    void applyCaptions();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    const LoopTable& m_loops;
    std::unique_ptr<ScheduleTable> m_table;
    QCalendarWidget* m_calendar = nullptr;
    TextGrid* m_grid = nullptr;
    QPushButton* m_closeButton = nullptr;
    QPushButton* m_timelineButton = nullptr;
    InspectorWindow* m_inspector = nullptr;
    TimelineWindow* m_timeline = nullptr;
    std::optional<GridCell> m_toolTipCell;
    bool m_shownBefore = false;

    void FormShow();
    void MonthCalendar1Click();
    void ButtonCloseClick();
    void ButtonTimelineClick();
    void SeqGridClick(GridCell cell);
    void SeqGridDrawCell(QPainter& painter, GridCell cell, const QRect& rect);
    void SeqGridMouseMove(QPoint position);

    void addLegend(int index, const QColor& color, const QString& text);
    TDateTime calendarDate() const;
    std::optional<EntryState> stateOf(GridCell cell) const;
};

} // namespace orvex
