#include "schedule/tests/row_text.h"

#include <cstdio>

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
        char time[16];
        std::snprintf(time, sizeof time, "%02d:%02d:%02d", row.second / 3600, row.second / 60 % 60,
                      row.second % 60);
        std::string text = time;
        for (const ScheduleEntry& entry : row.entries()) {
            text += " " + std::string(textOf(loops.Loops[entry.loop].Name)) + ":" +
                    stateName(entry.state);
        }
        texts.push_back(std::move(text));
    }
    return texts;
}

} // namespace orvex::testing
