#include "windows/insight/timeline_view.h"

#include "schedule/loop_conditions.h"
#include "windows/insight/insight_texts.h"
#include "windows/insight/span_look.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>
#include <cmath>

namespace orvex {
namespace {

constexpr int kRightMargin = 8;

} // namespace

TimelineView::TimelineView(QWidget* parent) : QAbstractScrollArea(parent) {
    viewport()->setMouseTracking(true);
    viewport()->setBackgroundRole(QPalette::Base);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setMinimumHeight(headerHeight() + 4 * kLaneHeight);
}

void TimelineView::setTimeline(const LoopTable& loops, std::vector<TimelineDay> days) {
    m_loops = &loops;
    m_days = std::move(days);
    m_cursorOffset =
        std::clamp<std::int64_t>(m_cursorOffset, 0, std::max<std::int64_t>(totalSeconds() - 1, 0));
    m_cursorLane = std::min(m_cursorLane, loopCount() - 1);
    m_toolTipHit.reset();
    viewport()->setToolTip({});
    updateScrollBars();
    viewport()->update();
    emit cursorMoved();
}

int TimelineView::loopCount() const {
    return m_loops != nullptr ? usedLoopCount(*m_loops) : 0;
}

std::int64_t TimelineView::totalSeconds() const {
    return static_cast<std::int64_t>(m_days.size()) * kSecondsPerDay;
}

int TimelineView::headerHeight() const {
    return kAxisHeight + kScreenLaneHeight + kLaneGap;
}

QRect TimelineView::timeArea() const {
    return QRect(QPoint(kLabelWidth, 0),
                 QPoint(std::max(viewport()->width() - kRightMargin, kLabelWidth + 1),
                        viewport()->height()));
}

double TimelineView::xOfOffset(std::int64_t offset) const {
    const QRect area = timeArea();
    if (totalSeconds() == 0) {
        return area.left();
    }
    return area.left() +
           static_cast<double>(offset) * area.width() / static_cast<double>(totalSeconds());
}

std::int64_t TimelineView::offsetAt(int x) const {
    const QRect area = timeArea();
    const auto offset = static_cast<std::int64_t>(std::floor(
        static_cast<double>(x - area.left()) * static_cast<double>(totalSeconds()) / area.width()));
    return std::clamp<std::int64_t>(offset, 0, std::max<std::int64_t>(totalSeconds() - 1, 0));
}

Moment TimelineView::momentOf(std::int64_t offset) const {
    const std::int64_t first = m_days.empty() ? 0 : m_days.front().day;
    return {first + offset / kSecondsPerDay, static_cast<int>(offset % kSecondsPerDay)};
}

std::int64_t TimelineView::offsetOf(const Moment& moment) const {
    const std::int64_t first = m_days.empty() ? 0 : m_days.front().day;
    return (moment.day - first) * kSecondsPerDay + moment.second;
}

int TimelineView::xOf(const Moment& moment) const {
    return static_cast<int>(std::floor(xOfOffset(offsetOf(moment))));
}

QRect TimelineView::laneRect(std::optional<std::uint8_t> loop) const {
    if (!loop) {
        return QRect(0, kAxisHeight, viewport()->width(), kScreenLaneHeight);
    }
    if (*loop >= loopCount()) {
        return {};
    }
    const int top = headerHeight() + *loop * kLaneHeight - verticalScrollBar()->value();
    const QRect band(0, top, viewport()->width(), kLaneHeight);
    return band.intersected(
        QRect(0, headerHeight(), viewport()->width(), viewport()->height() - headerHeight()));
}

std::optional<TimelineHit> TimelineView::hitAt(QPoint position) const {
    if (m_days.empty() || position.x() < timeArea().left() || position.x() > timeArea().right()) {
        return std::nullopt;
    }
    const Moment moment = momentOf(offsetAt(position.x()));
    if (laneRect(std::nullopt).contains(position)) {
        return TimelineHit{moment, std::nullopt};
    }
    if (position.y() < headerHeight()) {
        return std::nullopt;
    }
    const int lane = (position.y() - headerHeight() + verticalScrollBar()->value()) / kLaneHeight;
    if (lane >= loopCount()) {
        return std::nullopt;
    }
    return TimelineHit{moment, static_cast<std::uint8_t>(lane)};
}

QString TimelineView::describe(const TimelineHit& hit) const {
    const std::int64_t index = hit.moment.day - (m_days.empty() ? 0 : m_days.front().day);
    if (m_loops == nullptr || index < 0 || index >= static_cast<std::int64_t>(m_days.size())) {
        return {};
    }
    return InsightTexts::timelinePoint(*m_loops, m_days[static_cast<std::size_t>(index)], hit.loop,
                                       hit.moment.second);
}

TimelineHit TimelineView::cursorPoint() const {
    return {momentOf(m_cursorOffset), m_cursorLane < 0
                                          ? std::nullopt
                                          : std::optional(static_cast<std::uint8_t>(m_cursorLane))};
}

void TimelineView::moveCursorTo(const TimelineHit& hit) {
    moveCursor(offsetOf(hit.moment), hit.loop ? *hit.loop : -1);
}

void TimelineView::moveCursor(std::int64_t offset, int lane) {
    m_cursorOffset =
        std::clamp<std::int64_t>(offset, 0, std::max<std::int64_t>(totalSeconds() - 1, 0));
    m_cursorLane = std::clamp(lane, -1, loopCount() - 1);
    ensureLaneVisible(m_cursorLane);
    viewport()->update();
    emit cursorMoved();
}

void TimelineView::ensureLaneVisible(int lane) {
    if (lane < 0) {
        return;
    }
    const int top = lane * kLaneHeight;
    const int visible = viewport()->height() - headerHeight();
    QScrollBar* bar = verticalScrollBar();
    if (top < bar->value()) {
        bar->setValue(top);
    } else if (top + kLaneHeight > bar->value() + visible) {
        bar->setValue(top + kLaneHeight - visible);
    }
}

// Where the lane's state changes, in seconds since the first midnight, in time order.
std::vector<std::int64_t> TimelineView::edgesOfLane(int lane) const {
    std::vector<std::int64_t> edges;
    for (std::size_t d = 0; d < m_days.size(); ++d) {
        const std::int64_t base = static_cast<std::int64_t>(d) * kSecondsPerDay;
        const TimelineDay& day = m_days[d];
        if (lane < 0) {
            for (const ScreenSpan& span : day.screen) {
                edges.push_back(base + span.first);
            }
            continue;
        }
        for (const LaneSpan& span : lanesOf(day, static_cast<std::uint8_t>(lane))) {
            edges.push_back(base + span.first);
            edges.push_back(base + span.last + 1);
        }
    }
    std::ranges::sort(edges);
    return edges;
}

void TimelineView::keyPressEvent(QKeyEvent* event) {
    const bool week = m_days.size() > 1;
    const std::int64_t step = week ? 3600 : 900;
    const int page = std::max((viewport()->height() - headerHeight()) / kLaneHeight, 1);
    const bool jump = (event->modifiers() & Qt::ControlModifier) != 0;
    switch (event->key()) {
    case Qt::Key_Left:
        if (jump) {
            const auto edges = edgesOfLane(m_cursorLane);
            const auto before = std::ranges::lower_bound(edges, m_cursorOffset);
            moveCursor(before == edges.begin() ? 0 : *std::prev(before), m_cursorLane);
        } else {
            moveCursor(m_cursorOffset - step, m_cursorLane);
        }
        break;
    case Qt::Key_Right:
        if (jump) {
            const auto edges = edgesOfLane(m_cursorLane);
            const auto after = std::ranges::upper_bound(edges, m_cursorOffset);
            moveCursor(after == edges.end() ? totalSeconds() - 1 : *after, m_cursorLane);
        } else {
            moveCursor(m_cursorOffset + step, m_cursorLane);
        }
        break;
    case Qt::Key_Up:
        moveCursor(m_cursorOffset, m_cursorLane - 1);
        break;
    case Qt::Key_Down:
        moveCursor(m_cursorOffset, m_cursorLane + 1);
        break;
    case Qt::Key_PageUp:
        moveCursor(m_cursorOffset, m_cursorLane - page);
        break;
    case Qt::Key_PageDown:
        moveCursor(m_cursorOffset, m_cursorLane + page);
        break;
    case Qt::Key_Home:
        moveCursor(0, m_cursorLane);
        break;
    case Qt::Key_End:
        moveCursor(totalSeconds() - 1, m_cursorLane);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!m_days.empty()) {
            emit activated(cursorPoint());
        }
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TimelineView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    if (const auto hit = hitAt(event->position().toPoint())) {
        moveCursorTo(*hit);
        emit activated(*hit);
    }
}

void TimelineView::mouseMoveEvent(QMouseEvent* event) {
    const auto hit = hitAt(event->position().toPoint());
    if (hit == m_toolTipHit) {
        return;
    }
    m_toolTipHit = hit;
    const QString text = hit ? describe(*hit) : QString();
    if (text != viewport()->toolTip()) {
        QToolTip::hideText();
        viewport()->setToolTip(text);
    }
}

void TimelineView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void TimelineView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void TimelineView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void TimelineView::scrollContentsBy(int, int) {
    viewport()->update();
}

void TimelineView::updateScrollBars() {
    const int visible = std::max(viewport()->height() - headerHeight(), 0);
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, std::max(loopCount() * kLaneHeight - visible, 0));
    bar->setPageStep(visible);
    bar->setSingleStep(kLaneHeight);
}

void TimelineView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.fillRect(event->rect(), palette().color(QPalette::Base));
    if (m_loops == nullptr || m_days.empty()) {
        return;
    }
    paintLoopLanes(painter, event->rect());
    paintScreenLane(painter);
    paintAxis(painter);
    paintCursor(painter);
}

void TimelineView::paintAxis(QPainter& painter) const {
    const QRect axis(0, 0, viewport()->width(), kAxisHeight);
    painter.fillRect(axis, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    const bool week = m_days.size() > 1;
    const int hourStep = week ? 6 : 1;
    for (std::size_t d = 0; d < m_days.size(); ++d) {
        const std::int64_t base = static_cast<std::int64_t>(d) * kSecondsPerDay;
        const double left = xOfOffset(base);
        const double right = xOfOffset(base + kSecondsPerDay);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRectF(left, 0, right - left, kAxisHeight / 2.0), Qt::AlignCenter,
                         InsightTexts::dayWithWeekDay(m_days[d].day));
        for (int hour = 0; hour < 24; hour += hourStep) {
            const double x = xOfOffset(base + hour * 3600);
            painter.setPen(palette().color(hour == 0 ? QPalette::WindowText : QPalette::Mid));
            painter.drawLine(QPointF(x, hour == 0 ? 0 : kAxisHeight / 2.0),
                             QPointF(x, viewport()->height()));
            const QString label = QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0'));
            if (hour > 0 &&
                (right - left) / (24 / hourStep) > metrics.horizontalAdvance(label) + 4) {
                painter.setPen(palette().color(QPalette::WindowText));
                painter.drawText(QPointF(x + 2, kAxisHeight - metrics.descent() - 2), label);
            }
        }
    }
}

void TimelineView::paintScreenLane(QPainter& painter) const {
    const QRect lane = laneRect(std::nullopt);
    painter.fillRect(QRect(0, lane.top(), viewport()->width(), kScreenLaneHeight + kLaneGap),
                     palette().color(QPalette::Window));
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(6, lane.top(), kLabelWidth - 10, lane.height()),
                     Qt::AlignVCenter | Qt::AlignLeft, tr("On screen"));
    painter.setFont(font());
    for (std::size_t d = 0; d < m_days.size(); ++d) {
        const std::int64_t base = static_cast<std::int64_t>(d) * kSecondsPerDay;
        for (const ScreenSpan& span : m_days[d].screen) {
            const double left = xOfOffset(base + span.first);
            const double right = xOfOffset(base + span.last + 1);
            const QRectF rect(left, lane.top() + 2, std::max(right - left, 1.0), lane.height() - 4);
            if (!span.loop) {
                paintSpan(painter, rect, SpanLook::NothingPlays, false);
                continue;
            }
            paintSpan(painter, rect, SpanLook::Active, m_loops->Loops[*span.loop].Event != 0);
            // A name cut down to a letter or two says nothing; the tooltip has it in full.
            const QString name =
                QFontMetrics(font()).elidedText(InsightTexts::loopName(*m_loops, *span.loop),
                                                Qt::ElideRight, static_cast<int>(rect.width()) - 5);
            if (name.size() >= 4) {
                painter.setPen(Qt::black);
                painter.drawText(rect.adjusted(3, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft,
                                 name);
            }
        }
    }
}

void TimelineView::paintLoopLanes(QPainter& painter, const QRect& exposed) const {
    painter.save();
    painter.setClipRect(
        QRect(0, headerHeight(), viewport()->width(), viewport()->height() - headerHeight()));
    const int scroll = verticalScrollBar()->value();
    const int firstLane = std::max((exposed.top() - headerHeight() + scroll) / kLaneHeight, 0);
    const int lastLane =
        std::min((exposed.bottom() - headerHeight() + scroll) / kLaneHeight, loopCount() - 1);
    const QFontMetrics metrics(font());
    for (int lane = firstLane; lane <= lastLane; ++lane) {
        const auto loop = static_cast<std::uint8_t>(lane);
        const int top = headerHeight() + lane * kLaneHeight - scroll;
        const QRect band(0, top, viewport()->width(), kLaneHeight);
        painter.fillRect(band,
                         palette().color(lane % 2 == 0 ? QPalette::Base : QPalette::AlternateBase));
        const bool waits = m_loops->Loops[loop].Event != 0;
        QString label =
            QStringLiteral("%1 %2").arg(lane + 1).arg(InsightTexts::loopName(*m_loops, loop));
        if (waits) {
            label += QStringLiteral(" \u2022 ") +
                     QString::fromLatin1(m_loops->Loops[loop].Event < kEventNames.size()
                                             ? kEventNames[m_loops->Loops[loop].Event]
                                             : "?");
        }
        // An unticked loop never plays; its name is greyed as a disabled control's would be.
        painter.setPen(palette().color(m_loops->Loops[loop].Checked != 0 ? QPalette::Active
                                                                         : QPalette::Disabled,
                                       QPalette::Text));
        painter.drawText(QRect(6, top, kLabelWidth - 10, kLaneHeight),
                         Qt::AlignVCenter | Qt::AlignLeft,
                         metrics.elidedText(label, Qt::ElideRight, kLabelWidth - 10));
        for (std::size_t d = 0; d < m_days.size(); ++d) {
            const std::int64_t base = static_cast<std::int64_t>(d) * kSecondsPerDay;
            for (const LaneSpan& span : lanesOf(m_days[d], loop)) {
                const double left = xOfOffset(base + span.first);
                const double right = xOfOffset(base + span.last + 1);
                paintSpan(painter,
                          QRectF(left, top + 3, std::max(right - left, 1.0), kLaneHeight - 6),
                          lookOf(span.state), waits);
            }
        }
    }
    painter.restore();
}

void TimelineView::paintCursor(QPainter& painter) const {
    const QColor highlight = palette().color(QPalette::Highlight);
    const QRect lane = laneRect(cursorPoint().loop);
    if (!lane.isEmpty()) {
        painter.setPen(QPen(highlight, hasFocus() ? 2 : 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(lane.adjusted(1, 1, -1, -1));
    }
    if (hasFocus()) {
        const double x = xOfOffset(m_cursorOffset);
        painter.setPen(QPen(highlight, 2));
        painter.drawLine(QPointF(x, kAxisHeight / 2.0), QPointF(x, viewport()->height()));
    }
}

} // namespace orvex
