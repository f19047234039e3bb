#pragma once

#include "model/records.h"
#include "model/sequence_edits.h"
#include "windows/main/sequence_editor.h"

#include <QUndoCommand>
#include <cstdint>
#include <vector>

namespace orvex {

// The steps of the editor's history. Each keeps the editor and just what it changes.

class LoopFieldsCommand : public QUndoCommand {
public:
    LoopFieldsCommand(SequenceEditor& editor, std::uint8_t loop, const LoopFields& before,
                      const LoopFields& after, int typing, const QString& text);
    void redo() override;
    void undo() override;
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    SequenceEditor& m_editor;
    std::uint8_t m_loop;
    LoopFields m_before;
    LoopFields m_after;
    int m_typing;
};

class InsertLoopCommand : public QUndoCommand {
public:
    InsertLoopCommand(SequenceEditor& editor, std::uint8_t loop, const LoopEntry& entry,
                      bool inserting, const QString& text);
    void redo() override;
    void undo() override;

private:
    void insert();
    void remove();

    SequenceEditor& m_editor;
    std::uint8_t m_loop;
    LoopEntry m_entry;
    // False for a deletion, which is an insertion undone.
    bool m_inserting;
};

class MoveLoopCommand : public QUndoCommand {
public:
    MoveLoopCommand(SequenceEditor& editor, std::uint8_t from, std::uint8_t to,
                    const QString& text);
    void redo() override;
    void undo() override;

private:
    SequenceEditor& m_editor;
    std::uint8_t m_from;
    std::uint8_t m_to;
};

class ImageItemsCommand : public QUndoCommand {
public:
    ImageItemsCommand(SequenceEditor& editor, std::uint8_t loop, std::vector<ItemEdit> before,
                      std::vector<ItemEdit> after, int typing, const QString& text);
    void redo() override;
    void undo() override;
    int id() const override { return 2; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    void write(const std::vector<ItemEdit>& edits);

    SequenceEditor& m_editor;
    std::uint8_t m_loop;
    std::vector<ItemEdit> m_before;
    std::vector<ItemEdit> m_after;
    int m_typing;
};

class InsertImagesCommand : public QUndoCommand {
public:
    InsertImagesCommand(SequenceEditor& editor, std::uint8_t loop, std::uint8_t row,
                        std::vector<ImageItem> items, bool inserting, const QString& text);
    void redo() override;
    void undo() override;

private:
    void insert();
    void remove();

    SequenceEditor& m_editor;
    std::uint8_t m_loop;
    std::uint8_t m_row;
    std::vector<ImageItem> m_items;
    bool m_inserting;
};

class MoveImageCommand : public QUndoCommand {
public:
    MoveImageCommand(SequenceEditor& editor, std::uint8_t loop, std::uint8_t from, std::uint8_t to,
                     const QString& text);
    void redo() override;
    void undo() override;

private:
    SequenceEditor& m_editor;
    std::uint8_t m_loop;
    std::uint8_t m_from;
    std::uint8_t m_to;
};

class MainParamsCommand : public QUndoCommand {
public:
    MainParamsCommand(SequenceEditor& editor, const MainParams& before, const MainParams& after,
                      const QString& text);
    void redo() override;
    void undo() override;

private:
    SequenceEditor& m_editor;
    MainParams m_before;
    MainParams m_after;
};

} // namespace orvex
