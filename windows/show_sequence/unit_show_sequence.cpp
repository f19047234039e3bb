#include "windows/show_sequence/unit_show_sequence.h"

#include "platform/services.h"
#include "schedule/clock_text.h"
#include "schedule/compute_schedule.h"
#include "windows/insight/inspector_window.h"
#include "windows/insight/timeline_window.h"
#include "windows/shell/model_text.h"
#include "windows/show_sequence/legend_colors.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QToolTip>
#include <algorithm>

namespace orvex {
namespace {

constexpr const char* kTitleCaption = "Show Schedule";
constexpr const char* kCloseCaption = "Close";

const QColor kTimeColor(0xEE, 0xEE, 0xEE);

// The grid never shows fewer cells than this, and more when a day needs them.
constexpr int kMinGridColumns = 32;
constexpr int kMinGridRows = 128;

QString loopName(const LoopEntry& loop) {
    return modelText(textOf(loop.Name));
}

QString timeText(int second) {
    return QString::fromLatin1(clockText(second));
}

} // namespace

TFormShowSeq::TFormShowSeq(const LoopTable& loops, QWidget* parent)
    : QDialog(parent), m_loops(loops), m_table(std::make_unique<ScheduleTable>()) {
    setObjectName("TFormShowSeq");
    setFont(QFont(QStringList{"MS Sans Serif"}, 8));
    setFixedSize(661, 322);

    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName("MonthCalendar1");
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    m_calendar->move(8, 8);
    m_calendar->resize(m_calendar->sizeHint());
    connect(m_calendar, &QCalendarWidget::clicked, this, &TFormShowSeq::MonthCalendar1Click);
    // Keys move the selection too; the grid must always show the selected day.
    connect(m_calendar, &QCalendarWidget::selectionChanged, this,
            &TFormShowSeq::MonthCalendar1Click);

    m_grid = new TextGrid(this);
    m_grid->setObjectName("SeqGrid");
    m_grid->setFont(QFont(QStringList{"Verdana"}, 8));
    m_grid->setGeometry(208, 8, 446, 305);
    m_grid->resetCells(kMinGridColumns, kMinGridRows);
    m_grid->setDrawCell([this](QPainter& painter, GridCell cell, const QRect& rect) {
        SeqGridDrawCell(painter, cell, rect);
    });
    m_grid->setMouseMove([this](QPoint position) { SeqGridMouseMove(position); });
    m_grid->setCellClick([this](GridCell cell) { SeqGridClick(cell); });

    addLegend(1, kActiveColor, "Active Item");
    addLegend(2, kOverlappedColor, "Item Overlapped");
    addLegend(3, kOffColor, "Item OFF");

    m_closeButton = new QPushButton(this);
    m_closeButton->setObjectName("ButtonClose");
    m_closeButton->setGeometry(64, 288, 75, 25);
    // A dialog's default button takes every Enter, even the one that ends typing a year into
    // the calendar; the window closes only by this button and Escape.
    m_closeButton->setAutoDefault(false);
    connect(m_closeButton, &QPushButton::clicked, this, &TFormShowSeq::ButtonCloseClick);

    m_timelineButton = new QPushButton(this);
    m_timelineButton->setObjectName("ButtonTimeline");
    m_timelineButton->setGeometry(64, 256, 75, 25);
    m_timelineButton->setAutoDefault(false);
    connect(m_timelineButton, &QPushButton::clicked, this, &TFormShowSeq::ButtonTimelineClick);
    m_inspector = new InspectorWindow(m_loops, this);
    m_timeline = new TimelineWindow(m_loops, this);

    applyCaptions();
}

TFormShowSeq::~TFormShowSeq() = default;

void TFormShowSeq::applyCaptions() {
    setWindowTitle(kTitleCaption);
    m_closeButton->setText(kCloseCaption);
    m_timelineButton->setText(tr("Timeline"));
}

void TFormShowSeq::addLegend(int index, const QColor& color, const QString& text) {
    const int top = 160 + (index - 1) * 32;
    auto* shape = new QFrame(this);
    shape->setObjectName(QString("Shape%1").arg(index));
    shape->setFrameShape(QFrame::Box);
    shape->setGeometry(16, top, 73, 25);
    QPalette swatch = shape->palette();
    swatch.setColor(QPalette::Window, color);
    swatch.setColor(QPalette::WindowText, Qt::black);
    shape->setPalette(swatch);
    shape->setAutoFillBackground(true);

    auto* label = new QLabel(text, this);
    label->setObjectName(QString("Label%1").arg(index));
    label->move(104, top + 8);
    label->adjustSize();
}

void TFormShowSeq::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TFormShowSeq::FormShow() {
    if (!m_shownBefore) {
        // Planning starts from today; after that the user's last date is kept.
        m_shownBefore = true;
        const CivilDate today = decodeDate(clock().today());
        const QSignalBlocker quiet(m_calendar);
        m_calendar->setSelectedDate(QDate(today.year, today.month, today.day));
    }
    ComputeSchedule(calendarDate());
}

void TFormShowSeq::MonthCalendar1Click() {
    ComputeSchedule(calendarDate());
}

void TFormShowSeq::ButtonCloseClick() {
    close();
}

void TFormShowSeq::ButtonTimelineClick() {
    // The timeline is modal and has an inspector of its own; this one could not be used.
    m_inspector->hide();
    m_timeline->setFirstDay(dayNumberOf(calendarDate()));
    m_timeline->exec();
}

// Asks why each loop plays or not at the row's time; a loop's cell selects that loop.
void TFormShowSeq::SeqGridClick(GridCell cell) {
    const auto rows = m_table->rows();
    if (cell.row < 0 || static_cast<std::size_t>(cell.row) >= rows.size()) {
        return;
    }
    const ScheduleRow& row = rows[static_cast<std::size_t>(cell.row)];
    const auto entries = row.entries();
    const auto entry = static_cast<std::size_t>(cell.column - 1);
    m_inspector->inspect({dayNumberOf(calendarDate()), row.second},
                         cell.column >= 1 && entry < entries.size()
                             ? std::optional(entries[entry].loop)
                             : std::nullopt);
}

void TFormShowSeq::hideEvent(QHideEvent* event) {
    m_inspector->hide();
    QDialog::hideEvent(event);
}

TDateTime TFormShowSeq::calendarDate() const {
    const QDate date = m_calendar->selectedDate();
    return encodeDate({date.year(), date.month(), date.day()});
}

void TFormShowSeq::ComputeSchedule(TDateTime date) {
    orvex::ComputeSchedule(*m_table, m_loops, date);
    const auto rows = m_table->rows();
    std::size_t widestRow = 0;
    for (const ScheduleRow& row : rows) {
        widestRow = std::max(widestRow, row.entries().size());
    }
    m_grid->resetCells(std::max(kMinGridColumns, static_cast<int>(widestRow) + 1),
                       std::max(kMinGridRows, static_cast<int>(rows.size())));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int row = static_cast<int>(r);
        m_grid->setCellText({0, row}, timeText(rows[r].second));
        const auto entries = rows[r].entries();
        for (std::size_t e = 0; e < entries.size(); ++e) {
            m_grid->setCellText({static_cast<int>(e) + 1, row},
                                loopName(m_loops.Loops[entries[e].loop]));
        }
    }
    m_toolTipCell.reset();
    m_grid->viewport()->setToolTip({});
}

std::optional<EntryState> TFormShowSeq::stateOf(GridCell cell) const {
    const auto rows = m_table->rows();
    if (cell.column < 1 || cell.row < 0 || static_cast<std::size_t>(cell.row) >= rows.size()) {
        return std::nullopt;
    }
    const auto entries = rows[static_cast<std::size_t>(cell.row)].entries();
    const auto index = static_cast<std::size_t>(cell.column - 1);
    return index < entries.size() ? std::optional(entries[index].state) : std::nullopt;
}

void TFormShowSeq::SeqGridDrawCell(QPainter& painter, GridCell cell, const QRect& rect) {
    const QString text = m_grid->cellText(cell);
    painter.setPen(Qt::black);
    if (text.isEmpty()) {
        painter.fillRect(rect, palette().color(QPalette::Window));
        return;
    }
    QColor background = kTimeColor;
    if (const auto state = stateOf(cell)) {
        background = *state == EntryState::Active       ? kActiveColor
                     : *state == EntryState::Overlapped ? kOverlappedColor
                                                        : kOffColor;
    }
    painter.fillRect(rect, background);

    QFont font = m_grid->font();
    font.setBold(cell.column == 0);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const int textWidth = metrics.horizontalAdvance(text);
    const int textHeight = metrics.height();
    // A text too wide for its cell starts at the left edge and is cut at the right one.
    const int x = rect.left() + (textWidth < rect.width() ? (rect.width() - textWidth) / 2 : 0);
    const int y = rect.top() + (textHeight < rect.height() ? (rect.height() - textHeight) / 2 : 0);
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.drawText(x, y + metrics.ascent(), text);
}

// Every loop name can be read in full by hovering over it, however narrow its column; the
// times always fit and get no tooltip.
void TFormShowSeq::SeqGridMouseMove(QPoint position) {
    const std::optional<GridCell> cell = m_grid->cellAt(position);
    if (cell == m_toolTipCell) {
        return;
    }
    m_toolTipCell = cell;
    QToolTip::hideText();
    m_grid->viewport()->setToolTip(cell && cell->column >= 1 ? m_grid->cellText(*cell) : QString());
}

} // namespace orvex
