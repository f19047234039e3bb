#include "windows/insight/timeline_window.h"

#include "insight/timeline.h"
#include "platform/services.h"
#include "windows/insight/day_field.h"
#include "windows/insight/inspector_window.h"
#include "windows/insight/span_look.h"
#include "windows/insight/timeline_view.h"
#include "windows/shell/named_control.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace orvex {
namespace {

// A legend swatch drawn the way the timeline draws its spans.
QLabel* swatch(SpanLook look, bool waits) {
    QPixmap picture(28, 14);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    paintSpan(painter, QRectF(picture.rect()), look, waits);
    painter.end();
    auto* label = new QLabel;
    label->setPixmap(picture);
    return label;
}

} // namespace

TimelineWindow::TimelineWindow(const LoopTable& loops, QWidget* parent)
    : QDialog(parent), m_loops(loops), m_inspector(new InspectorWindow(loops, this)) {
    setObjectName(QStringLiteral("TimelineWindow"));

    m_dateLabel = named<QLabel>("TimelineDateLabel");
    m_date = makeDayField("TimelineDate");
    m_dateLabel->setBuddy(m_date);
    m_previous = named<QPushButton>("TimelinePrevious");
    m_next = named<QPushButton>("TimelineNext");
    m_week = named<QRadioButton>("TimelineWeek");
    m_day = named<QRadioButton>("TimelineDay");
    m_span = new QButtonGroup(this);
    m_span->addButton(m_week);
    m_span->addButton(m_day);
    m_week->setChecked(true);

    m_view = named<TimelineView>("TimelineView");
    m_status = named<QLabel>("TimelineStatus");
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_status->setMinimumHeight(2 * m_status->fontMetrics().height());
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_help = named<QLabel>("TimelineHelp");
    m_help->setWordWrap(true);
    m_closeButton = named<QPushButton>("TimelineClose");
    for (QPushButton* button : {m_previous, m_next, m_closeButton}) {
        // Enter belongs to the timeline, where it opens the inspector.
        button->setAutoDefault(false);
    }

    auto* top = new QHBoxLayout;
    top->addWidget(m_dateLabel);
    top->addWidget(m_date);
    top->addWidget(m_previous);
    top->addWidget(m_next);
    top->addSpacing(16);
    top->addWidget(m_week);
    top->addWidget(m_day);
    top->addStretch();
    top->addWidget(buildLegend());
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_help, 1);
    bottom->addWidget(m_closeButton, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_status);
    layout->addLayout(bottom);

    connect(m_date, &QDateEdit::dateChanged, this, &TimelineWindow::recompute);
    connect(m_previous, &QPushButton::clicked, this, [this] { step(-1); });
    connect(m_next, &QPushButton::clicked, this, [this] { step(1); });
    connect(m_span, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool checked) {
        if (checked) {
            recompute();
        }
    });
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::close);
    connect(m_view, &TimelineView::activated, this, &TimelineWindow::TimelineActivate);
    connect(m_view, &TimelineView::cursorMoved, this, &TimelineWindow::TimelineCursorMove);

    retranslate();
    resize(1000, 600);
}

QWidget* TimelineWindow::buildLegend() {
    auto* legend = new QWidget;
    auto* row = new QHBoxLayout(legend);
    row->setContentsMargins(0, 0, 0, 0);
    const struct {
        SpanLook look;
        bool waits;
    } items[] = {{SpanLook::Active, false},
                 {SpanLook::Overlapped, false},
                 {SpanLook::NothingPlays, false},
                 {SpanLook::Active, true}};
    for (const auto& item : items) {
        row->addWidget(swatch(item.look, item.waits));
        auto* text = new QLabel;
        m_legendTexts << text;
        row->addWidget(text);
        row->addSpacing(8);
    }
    return legend;
}

void TimelineWindow::retranslate() {
    setWindowTitle(tr("Week Timeline"));
    m_dateLabel->setText(tr("&From:"));
    m_previous->setText(tr("&Previous"));
    m_next->setText(tr("&Next"));
    m_week->setText(tr("&Week"));
    m_day->setText(tr("&Day"));
    m_closeButton->setText(tr("Close"));
    m_help->setText(tr("Arrow keys move over moments and lanes, Ctrl with Left or Right jumps to "
                       "the lane's next change, Enter or a click asks why each loop plays or not "
                       "at that moment."));
    const QString legend[] = {tr("Active"), tr("Overlapped"), tr("Nothing plays"),
                              tr("Waits for a remote event")};
    for (int i = 0; i < m_legendTexts.size(); ++i) {
        m_legendTexts[i]->setText(legend[i]);
    }
    TimelineCursorMove();
    m_view->viewport()->update();
}

void TimelineWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QDialog::changeEvent(event);
}

void TimelineWindow::setFirstDay(std::int64_t day) {
    m_firstDayChosen = true;
    m_date->setDate(qDateOfDay(day));
}

std::int64_t TimelineWindow::firstDay() const {
    return dayOfQDate(m_date->date());
}

int TimelineWindow::dayCount() const {
    return m_week->isChecked() ? kWeekDays : 1;
}

void TimelineWindow::showEvent(QShowEvent* event) {
    if (!m_firstDayChosen) {
        m_firstDayChosen = true;
        const QSignalBlocker quiet(m_date);
        m_date->setDate(qDateOfDay(dayNumberOf(clock().today())));
    }
    // The loops may have changed since the last showing.
    recompute();
    QDialog::showEvent(event);
    m_view->setFocus();
}

void TimelineWindow::hideEvent(QHideEvent* event) {
    m_inspector->hide();
    QDialog::hideEvent(event);
}

void TimelineWindow::recompute() {
    m_view->setTimeline(m_loops, timelineOfDays(m_loops, firstDay(), dayCount()));
}

void TimelineWindow::step(int direction) {
    m_date->setDate(m_date->date().addDays(direction * dayCount()));
}

void TimelineWindow::TimelineActivate(const TimelineHit& hit) {
    m_inspector->inspect(hit.moment, hit.loop);
}

void TimelineWindow::TimelineCursorMove() {
    m_status->setText(m_view->days().empty() ? QString() : m_view->describe(m_view->cursorPoint()));
}

} // namespace orvex
