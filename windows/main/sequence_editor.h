#pragma once

#include "model/records.h"
#include "model/sequence_edits.h"

#include <QObject>
#include <QUndoStack>
#include <cstdint>
#include <vector>

namespace orvex {

class ImageTableModel;
class LoopTableModel;

struct ItemEdit {
    std::uint8_t row = 0;
    ImageItem item;
};

// Every change to the sequence passes through here as one step of the undo history, and
// reaches the store through the two list models so that every view hears of it. A step keeps
// only what it changed, never a copy of the whole sequence.
class SequenceEditor : public QObject {
    Q_OBJECT
public:
    explicit SequenceEditor(Sequence& sequence, QObject* parent = nullptr);

    Sequence& sequence() { return m_sequence; }
    QUndoStack& history() { return m_history; }
    LoopTableModel& loops() { return *m_loops; }
    ImageTableModel& images() { return *m_images; }

    // Each edit is applied at once; one that changes nothing adds no step. Edits given the same
    // nonzero `typing` key one after another merge into one step, as typing in one box should.
    void editLoop(std::uint8_t loop, const LoopFields& fields, int typing = 0);
    // False, changing nothing, when the sequence already holds the most loops it can.
    bool addLoop(std::uint8_t index, const LoopEntry& loop, const QString& text);
    void deleteLoop(std::uint8_t loop);
    void moveLoop(std::uint8_t from, std::uint8_t to);
    void editImages(std::uint8_t loop, const std::vector<ItemEdit>& edits, int typing = 0);
    // Appends as many of `items` as the loop has room for; returns how many.
    std::size_t addImages(std::uint8_t loop, const std::vector<ImageItem>& items);
    void deleteImage(std::uint8_t loop, std::uint8_t row);
    void moveImage(std::uint8_t loop, std::uint8_t from, std::uint8_t to);
    void editMainParams(const MainParams& params);

    // For a store that was replaced or changed behind the history's back: the lists read it
    // again and there is nothing left to undo.
    void restart();
    // A key no earlier typing used.
    int newTypingKey() { return ++m_lastTypingKey; }

    // Called by the history's steps as they are done, undone or redone.
    void touchLoop(int loop) { emit loopTouched(loop); }
    void touchImages(int loop, int first, int last) { emit imagesTouched(loop, first, last); }

signals:
    // The loop, and the picture rows of a loop, that a step just changed, to be shown.
    void loopTouched(int loop);
    void imagesTouched(int loop, int first, int last);

private:
    Sequence& m_sequence;
    QUndoStack m_history;
    LoopTableModel* m_loops;
    ImageTableModel* m_images;
    int m_lastTypingKey = 0;
};

} // namespace orvex
