#include "windows/main/sequence_editor.h"

#include "model/store.h"
#include "windows/main/image_table_model.h"
#include "windows/main/loop_table_model.h"
#include "windows/main/sequence_commands.h"

namespace orvex {

SequenceEditor::SequenceEditor(Sequence& sequence, QObject* parent)
    : QObject(parent), m_sequence(sequence), m_history(this),
      m_loops(new LoopTableModel(*this, sequence.loopTable, this)),
      m_images(new ImageTableModel(*this, sequence.loopTable, *m_loops, this)) {}

void SequenceEditor::editLoop(std::uint8_t loop, const LoopFields& fields, int typing) {
    const LoopEntry* entry = GetLoop(m_sequence.loopTable, loop);
    if (entry == nullptr || loopFieldsOf(*entry) == fields) {
        return;
    }
    m_history.push(new LoopFieldsCommand(*this, loop, loopFieldsOf(*entry), fields, typing,
                                         tr("Change Loop Properties")));
}

bool SequenceEditor::addLoop(std::uint8_t index, const LoopEntry& loop, const QString& text) {
    if (GetLoopCount(m_sequence.loopTable) >= kMaxLoops ||
        index > GetLoopCount(m_sequence.loopTable)) {
        return false;
    }
    m_history.push(new InsertLoopCommand(*this, index, loop, true, text));
    return true;
}

void SequenceEditor::deleteLoop(std::uint8_t loop) {
    const LoopEntry* entry = GetLoop(m_sequence.loopTable, loop);
    if (entry != nullptr) {
        m_history.push(new InsertLoopCommand(*this, loop, *entry, false, tr("Delete Loop")));
    }
}

void SequenceEditor::moveLoop(std::uint8_t from, std::uint8_t to) {
    const std::uint8_t count = GetLoopCount(m_sequence.loopTable);
    if (from != to && from < count && to < count) {
        m_history.push(new MoveLoopCommand(*this, from, to, tr("Change Priority")));
    }
}

void SequenceEditor::editImages(std::uint8_t loop, const std::vector<ItemEdit>& edits, int typing) {
    const LoopEntry* entry = GetLoop(m_sequence.loopTable, loop);
    if (entry == nullptr) {
        return;
    }
    std::vector<ItemEdit> before;
    std::vector<ItemEdit> after;
    for (const ItemEdit& edit : edits) {
        if (edit.row >= entry->nItems) {
            continue;
        }
        const ImageItem& old = entry->Items[edit.row];
        if (!(old == edit.item)) {
            before.push_back({edit.row, old});
            after.push_back(edit);
        }
    }
    if (!after.empty()) {
        m_history.push(new ImageItemsCommand(*this, loop, std::move(before), std::move(after),
                                             typing, tr("Change Image Properties")));
    }
}

std::size_t SequenceEditor::addImages(std::uint8_t loop, const std::vector<ImageItem>& items) {
    const LoopEntry* entry = GetLoop(m_sequence.loopTable, loop);
    if (entry == nullptr) {
        return 0;
    }
    const std::size_t room = kMaxImageItems - entry->nItems;
    std::vector<ImageItem> added(
        items.begin(), items.begin() + static_cast<std::ptrdiff_t>(std::min(room, items.size())));
    const std::size_t count = added.size();
    if (count > 0) {
        m_history.push(new InsertImagesCommand(*this, loop, entry->nItems, std::move(added), true,
                                               tr("Add Images")));
    }
    return count;
}

void SequenceEditor::deleteImage(std::uint8_t loop, std::uint8_t row) {
    const LoopEntry* entry = GetLoop(m_sequence.loopTable, loop);
    if (entry != nullptr && row < entry->nItems) {
        m_history.push(new InsertImagesCommand(*this, loop, row, {entry->Items[row]}, false,
                                               tr("Delete Image")));
    }
}

void SequenceEditor::moveImage(std::uint8_t loop, std::uint8_t from, std::uint8_t to) {
    const LoopEntry* entry = GetLoop(m_sequence.loopTable, loop);
    if (entry != nullptr && from != to && from < entry->nItems && to < entry->nItems) {
        m_history.push(new MoveImageCommand(*this, loop, from, to, tr("Move Image")));
    }
}

void SequenceEditor::editMainParams(const MainParams& params) {
    if (!(params == m_sequence.mainParams)) {
        m_history.push(
            new MainParamsCommand(*this, m_sequence.mainParams, params, tr("Change Settings")));
    }
}

void SequenceEditor::restart() {
    m_history.clear();
    m_loops->reread();
}

} // namespace orvex
