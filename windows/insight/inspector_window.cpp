#include "windows/insight/inspector_window.h"

#include "windows/insight/day_field.h"
#include "windows/insight/inspector_model.h"
#include "windows/shell/named_control.h"

#include <QDateEdit>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace orvex {
InspectorWindow::InspectorWindow(const LoopTable& loops, QWidget* parent)
    : QDialog(parent), m_model(new InspectorModel(loops, this)) {
    setObjectName(QStringLiteral("InspectorWindow"));

    m_dateLabel = named<QLabel>("InspectDateLabel");
    m_date = makeDayField("InspectDate");
    m_dateLabel->setBuddy(m_date);
    m_timeLabel = named<QLabel>("InspectTimeLabel");
    m_time = named<QTimeEdit>("InspectTime");
    m_time->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    m_timeLabel->setBuddy(m_time);

    m_table = named<QTableView>("InspectTable");
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(true);
    // Tab leaves the table for the next control instead of walking its cells.
    m_table->setTabKeyNavigation(false);

    m_closeButton = named<QPushButton>("InspectClose");
    m_closeButton->setAutoDefault(false);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::close);

    auto* moment = new QHBoxLayout;
    moment->addWidget(m_dateLabel);
    moment->addWidget(m_date);
    moment->addSpacing(12);
    moment->addWidget(m_timeLabel);
    moment->addWidget(m_time);
    moment->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(moment);
    layout->addWidget(m_table);
    layout->addLayout(buttons);

    connect(m_date, &QDateEdit::dateChanged, this, &InspectorWindow::MomentChange);
    connect(m_time, &QTimeEdit::timeChanged, this, &InspectorWindow::MomentChange);
    retranslate();
    resize(1000, 420);
}

void InspectorWindow::retranslate() {
    setWindowTitle(tr("Why is this loop (not) playing?"));
    m_dateLabel->setText(tr("&Date:"));
    m_timeLabel->setText(tr("&Time:"));
    m_closeButton->setText(tr("Close"));
    m_model->retranslate();
}

void InspectorWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QDialog::changeEvent(event);
}

Moment InspectorWindow::moment() const {
    const QTime time = m_time->time();
    return {dayOfQDate(m_date->date()), time.hour() * 3600 + time.minute() * 60 + time.second()};
}

void InspectorWindow::inspect(const Moment& moment, std::optional<std::uint8_t> loop) {
    {
        const QSignalBlocker quietDate(m_date);
        const QSignalBlocker quietTime(m_time);
        m_date->setDate(qDateOfDay(moment.day));
        m_time->setTime(QTime(0, 0).addSecs(moment.second));
    }
    MomentChange();
    if (loop && *loop < m_model->rowCount()) {
        m_table->selectRow(*loop);
        m_table->scrollTo(m_model->index(*loop, 0));
    }
    show();
    raise();
    activateWindow();
}

void InspectorWindow::MomentChange() {
    m_model->setMoment(moment());
    m_table->resizeColumnsToContents();
}

} // namespace orvex
