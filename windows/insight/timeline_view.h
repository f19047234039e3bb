#pragma once

#include "insight/moment.h"
#include "insight/timeline.h"

#include <QAbstractScrollArea>
#include <QString>
#include <optional>
#include <vector>

namespace orvex {

// A point of the timeline: a moment, on a loop's lane or on the "on screen" lane (no loop).
struct TimelineHit {
    Moment moment;
    std::optional<std::uint8_t> loop;
    friend bool operator==(const TimelineHit&, const TimelineHit&) = default;
};

// Days side by side across the width, a lane per loop below the lane of what is on screen.
// Only the loop lanes scroll, so the time axis and the screen stay in sight. The keyboard
// moves a cursor over moments and lanes; a click or Enter activates the point under it.
class TimelineView : public QAbstractScrollArea {
    Q_OBJECT

public:
    static constexpr int kLabelWidth = 170;
    static constexpr int kAxisHeight = 34;
    static constexpr int kScreenLaneHeight = 26;
    static constexpr int kLaneGap = 6;
    static constexpr int kLaneHeight = 22;

    explicit TimelineView(QWidget* parent = nullptr);

    // `loops` must outlive the view; it gives the names and the remote events.
    void setTimeline(const LoopTable& loops, std::vector<TimelineDay> days);
    const std::vector<TimelineDay>& days() const { return m_days; }

    std::optional<TimelineHit> hitAt(QPoint position) const;
    // In viewport coordinates: where a moment lies across, and where a lane lies down; an
    // empty band for a lane scrolled out of sight.
    int xOf(const Moment& moment) const;
    QRect laneRect(std::optional<std::uint8_t> loop) const;

    QString describe(const TimelineHit& hit) const;
    TimelineHit cursorPoint() const;
    void moveCursorTo(const TimelineHit& hit);

signals:
    // A click or Enter on a point of the timeline.
    void activated(const TimelineHit& hit);
    void cursorMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    const LoopTable* m_loops = nullptr;
    std::vector<TimelineDay> m_days;
    // Seconds since the first day's midnight, and the lane: -1 for the screen, else the loop.
    std::int64_t m_cursorOffset = 0;
    int m_cursorLane = -1;
    std::optional<TimelineHit> m_toolTipHit;

    int loopCount() const;
    std::int64_t totalSeconds() const;
    QRect timeArea() const;
    int headerHeight() const;
    double xOfOffset(std::int64_t offset) const;
    std::int64_t offsetAt(int x) const;
    Moment momentOf(std::int64_t offset) const;
    std::int64_t offsetOf(const Moment& moment) const;
    std::vector<std::int64_t> edgesOfLane(int lane) const;
    void updateScrollBars();
    void moveCursor(std::int64_t offset, int lane);
    void ensureLaneVisible(int lane);

    void paintAxis(QPainter& painter) const;
    void paintScreenLane(QPainter& painter) const;
    void paintLoopLanes(QPainter& painter, const QRect& exposed) const;
    void paintCursor(QPainter& painter) const;
};

} // namespace orvex
