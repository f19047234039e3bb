#include "windows/insight/inspector_model.h"

#include "insight/next_start.h"
#include "windows/insight/insight_texts.h"
#include "windows/show_sequence/legend_colors.h"

#include <QStringList>

namespace orvex {
namespace {

QString conditionsText(const LoopExplanation& explanation, bool failedOnly) {
    QStringList words;
    for (const Condition& condition : explanation.conditions) {
        if (failedOnly && condition.holds) {
            continue;
        }
        const QString word = InsightTexts::condition(condition);
        words << (failedOnly ? word
                             : (condition.holds ? InsightTexts::tr("\u2713 %1")
                                                : InsightTexts::tr("\u2717 %1"))
                                   .arg(word));
    }
    return words.join(QStringLiteral(", "));
}

} // namespace

InspectorModel::InspectorModel(const LoopTable& loops, QObject* parent)
    : QAbstractTableModel(parent), m_loops(loops) {}

void InspectorModel::setMoment(const Moment& moment) {
    beginResetModel();
    m_moment = moment;
    m_explanations = explainLoops(m_loops, static_cast<TDateTime>(moment.day), moment.second);
    m_nextStarts.clear();
    for (const LoopExplanation& explanation : m_explanations) {
        m_nextStarts.push_back(nextStart(m_loops.Loops[explanation.loop], moment));
    }
    endResetModel();
}

void InspectorModel::retranslate() {
    if (!m_explanations.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    }
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

int InspectorModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_explanations.size());
}

int InspectorModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString InspectorModel::text(const LoopExplanation& explanation, int column) const {
    switch (column) {
    case Priority:
        return QString::number(explanation.loop + 1);
    case Loop:
        return InsightTexts::loopName(m_loops, explanation.loop);
    case State:
        return InsightTexts::state(explanation, m_loops);
    case WhyNot:
        return conditionsText(explanation, true);
    case NextStart:
        return InsightTexts::nextStart(m_nextStarts[explanation.loop]);
    case RemoteEvent:
        return InsightTexts::remoteEvent(explanation.event);
    case Conditions:
        return conditionsText(explanation, false);
    default:
        return {};
    }
}

QVariant InspectorModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const LoopExplanation& explanation = m_explanations[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return text(explanation, index.column());
    case Qt::ToolTipRole:
        return text(explanation, index.column() == WhyNot ? Conditions : index.column());
    case Qt::BackgroundRole:
        if (index.column() == State && explanation.state != PlayState::NotPlaying) {
            return explanation.state == PlayState::Active ? kActiveColor : kOverlappedColor;
        }
        return {};
    case Qt::ForegroundRole:
        return index.column() == State && explanation.state != PlayState::NotPlaying
                   ? QVariant(QColor(Qt::black))
                   : QVariant();
    default:
        return {};
    }
}

QVariant InspectorModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
    case Priority:
        return tr("Priority");
    case Loop:
        return tr("Loop");
    case State:
        return tr("State");
    case WhyNot:
        return tr("Why not playing");
    case NextStart:
        return tr("Next start");
    case RemoteEvent:
        return tr("Remote event");
    case Conditions:
        return tr("Conditions");
    default:
        return {};
    }
}

} // namespace orvex
