#pragma once

#include "insight/explanation.h"
#include "insight/moment.h"

#include <QAbstractTableModel>
#include <optional>
#include <vector>

namespace orvex {

// One row per loop in priority order: whether and how it plays at one moment, the
// conditions that keep it off, its next start, its remote event and all its conditions.
class InspectorModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The long list of every condition comes last, where the table has room to spare.
    enum Column { Priority, Loop, State, WhyNot, NextStart, RemoteEvent, Conditions, ColumnCount };

    explicit InspectorModel(const LoopTable& loops, QObject* parent = nullptr);

    // Answers for `moment` from the loop table as it is now.
    void setMoment(const Moment& moment);
    const Moment& moment() const { return m_moment; }
    // Tells the views that every text may read differently, as after a language switch.
    void retranslate();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const LoopTable& m_loops;
    Moment m_moment;
    std::vector<LoopExplanation> m_explanations;
    std::vector<std::optional<Moment>> m_nextStarts;

    QString text(const LoopExplanation& explanation, int column) const;
};

} // namespace orvex
