#include "schedule/tests/row_text.h"

#include "schedule/clock_text.h"

namespace orvex::testing {
namespace {

const char* stateName(EntryState state) {
    switch (state) {
    case EntryState::Active:
        return "Active";
    case EntryState::Overlapped:
        return "Overlapped";
    case EntryState::Off:
        break;
    }
    return "Off";
}

} // namespace

std::vector<std::string> rowTexts(const ScheduleTable& table, const LoopTable& loops) {
    std::vector<std::string> texts;
    for (const ScheduleRow& row : table.rows()) {
        std::string text = clockText(row.second);
        for (const ScheduleEntry& entry : row.entries()) {
            text += " " + std::string(textOf(loops.Loops[entry.loop].Name)) + ":" +
                    stateName(entry.state);
        }
        texts.push_back(std::move(text));
    }
    return texts;
}

} // namespace orvex::testing
