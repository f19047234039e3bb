#pragma once

#include <QGroupBox>
#include <cstdint>

class QPushButton;

namespace orvex {

class ErrorMessages;
class ReportView;
class SequenceEditor;

// "Loop List": the loops in priority order and the buttons that add, delete, duplicate and
// reorder them. Which loop is selected is told to the window, which shows it below.
class LoopListPanel : public QGroupBox {
    Q_OBJECT
public:
    static constexpr std::uint8_t kNoSelection = 255;

    LoopListPanel(SequenceEditor& editor, ErrorMessages& messages, QWidget* parent = nullptr);

    ReportView* list() const { return m_list; }
    // The selected row's index, or kNoSelection.
    std::uint8_t SelectedLoopIndex() const;
    // Selects a row as a click on it would; an index outside the list clears the selection.
    void selectLoopRow(int row);
    int loopRowCount() const;
    std::uint16_t nextLoopNumber() const { return m_nextLoopNumber; }
    void setNextLoopNumber(std::uint16_t number) { m_nextLoopNumber = number; }

    void NewLoopClick();
    void DeleteLoopClick();
    void DuplicateLoopClick();
    void PriorityUpClick();
    void PriorityDownClick();
    void LoopListColumnClick();

signals:
    // -1 when no loop is selected.
    void loopSelected(int row);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void addLoopCopy(std::uint8_t index, struct LoopEntry& loop, const QString& text);
    void buildContextMenu();

    SequenceEditor& m_editor;
    ErrorMessages& m_messages;
    std::uint16_t m_nextLoopNumber = 0;

    ReportView* m_list;
    QPushButton* m_newButton;
    QPushButton* m_deleteButton;
    QPushButton* m_upButton;
    QPushButton* m_downButton;
    class QAction* m_duplicate;
    QAction* m_undo;
    QAction* m_redo;
};

} // namespace orvex
