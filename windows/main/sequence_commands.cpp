#include "windows/main/sequence_commands.h"

#include "windows/main/image_table_model.h"
#include "windows/main/loop_table_model.h"

#include <utility>

namespace orvex {

LoopFieldsCommand::LoopFieldsCommand(SequenceEditor& editor, std::uint8_t loop,
                                     const LoopFields& before, const LoopFields& after, int typing,
                                     const QString& text)
    : QUndoCommand(text), m_editor(editor), m_loop(loop), m_before(before), m_after(after),
      m_typing(typing) {}

void LoopFieldsCommand::redo() {
    m_editor.loops().writeFields(m_loop, m_after);
    m_editor.touchLoop(m_loop);
}

void LoopFieldsCommand::undo() {
    m_editor.loops().writeFields(m_loop, m_before);
    m_editor.touchLoop(m_loop);
}

bool LoopFieldsCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const LoopFieldsCommand*>(other);
    if (m_typing == 0 || next->m_typing != m_typing || next->m_loop != m_loop) {
        return false;
    }
    m_after = next->m_after;
    // Typing back to where the loop was leaves nothing to undo.
    setObsolete(m_after == m_before);
    return true;
}

InsertLoopCommand::InsertLoopCommand(SequenceEditor& editor, std::uint8_t loop,
                                     const LoopEntry& entry, bool inserting, const QString& text)
    : QUndoCommand(text), m_editor(editor), m_loop(loop), m_entry(entry), m_inserting(inserting) {}

void InsertLoopCommand::insert() {
    m_editor.loops().insertLoopRow(m_loop, m_entry);
    m_editor.touchLoop(m_loop);
}

void InsertLoopCommand::remove() {
    m_editor.loops().removeLoopRow(m_loop);
    const int remaining = m_editor.loops().rowCount();
    m_editor.touchLoop(remaining == 0 ? -1 : std::min<int>(m_loop, remaining - 1));
}

void InsertLoopCommand::redo() {
    m_inserting ? insert() : remove();
}

void InsertLoopCommand::undo() {
    m_inserting ? remove() : insert();
}

MoveLoopCommand::MoveLoopCommand(SequenceEditor& editor, std::uint8_t from, std::uint8_t to,
                                 const QString& text)
    : QUndoCommand(text), m_editor(editor), m_from(from), m_to(to) {}

void MoveLoopCommand::redo() {
    m_editor.loops().moveLoopRow(m_from, m_to);
    m_editor.touchLoop(m_to);
}

void MoveLoopCommand::undo() {
    m_editor.loops().moveLoopRow(m_to, m_from);
    m_editor.touchLoop(m_from);
}

ImageItemsCommand::ImageItemsCommand(SequenceEditor& editor, std::uint8_t loop,
                                     std::vector<ItemEdit> before, std::vector<ItemEdit> after,
                                     int typing, const QString& text)
    : QUndoCommand(text), m_editor(editor), m_loop(loop), m_before(std::move(before)),
      m_after(std::move(after)), m_typing(typing) {}

void ImageItemsCommand::write(const std::vector<ItemEdit>& edits) {
    for (const ItemEdit& edit : edits) {
        m_editor.images().writeItem(m_loop, edit.row, edit.item);
    }
    if (!edits.empty()) {
        m_editor.touchImages(m_loop, edits.front().row, edits.back().row);
    }
}

void ImageItemsCommand::redo() {
    write(m_after);
}

void ImageItemsCommand::undo() {
    write(m_before);
}

bool ImageItemsCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const ImageItemsCommand*>(other);
    if (m_typing == 0 || next->m_typing != m_typing || next->m_loop != m_loop ||
        next->m_after.size() != m_after.size()) {
        return false;
    }
    for (std::size_t i = 0; i < m_after.size(); ++i) {
        if (next->m_after[i].row != m_after[i].row) {
            return false;
        }
    }
    m_after = next->m_after;
    return true;
}

InsertImagesCommand::InsertImagesCommand(SequenceEditor& editor, std::uint8_t loop,
                                         std::uint8_t row, std::vector<ImageItem> items,
                                         bool inserting, const QString& text)
    : QUndoCommand(text), m_editor(editor), m_loop(loop), m_row(row), m_items(std::move(items)),
      m_inserting(inserting) {}

void InsertImagesCommand::insert() {
    m_editor.images().insertItemRows(m_loop, m_row, m_items);
    m_editor.touchImages(m_loop, m_row, m_row + static_cast<int>(m_items.size()) - 1);
}

void InsertImagesCommand::remove() {
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        m_editor.images().removeItemRow(m_loop, m_row);
    }
    m_editor.touchImages(m_loop, m_row, m_row);
}

void InsertImagesCommand::redo() {
    m_inserting ? insert() : remove();
}

void InsertImagesCommand::undo() {
    m_inserting ? remove() : insert();
}

MoveImageCommand::MoveImageCommand(SequenceEditor& editor, std::uint8_t loop, std::uint8_t from,
                                   std::uint8_t to, const QString& text)
    : QUndoCommand(text), m_editor(editor), m_loop(loop), m_from(from), m_to(to) {}

void MoveImageCommand::redo() {
    m_editor.images().moveItemRow(m_loop, m_from, m_to);
    m_editor.touchImages(m_loop, m_to, m_to);
}

void MoveImageCommand::undo() {
    m_editor.images().moveItemRow(m_loop, m_to, m_from);
    m_editor.touchImages(m_loop, m_from, m_from);
}

MainParamsCommand::MainParamsCommand(SequenceEditor& editor, const MainParams& before,
                                     const MainParams& after, const QString& text)
    : QUndoCommand(text), m_editor(editor), m_before(before), m_after(after) {}

void MainParamsCommand::redo() {
    m_editor.sequence().mainParams = m_after;
}

void MainParamsCommand::undo() {
    m_editor.sequence().mainParams = m_before;
}

} // namespace orvex
