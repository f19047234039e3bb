#include "windows/show_sequence/tests/busy_day.h"

#include "model/store.h"

namespace orvex::testing {
namespace {

LoopEntry& addLoop(LoopTable& loops, const char* name, TimeOfDay from, TimeOfDay to) {
    LoopEntry& loop = *AddLoop(loops);
    setText(loop.Name, name);
    loop.bTimeIni = loop.bTimeEnd = 1;
    loop.TimeIni = encodeTime(from);
    loop.TimeEnd = encodeTime(to);
    return loop;
}

} // namespace

void fillBusyDay(LoopTable& loops) {
    ClearLoops(loops);
    addLoop(loops, "Staff note", {8, 45, 0}, {9, 0, 0});
    addLoop(loops, "Happy hour", {17, 0, 0}, {19, 0, 0});
    addLoop(loops, "Lunch menu", {11, 30, 0}, {14, 30, 0});
    addLoop(loops, "Breakfast", {7, 0, 0}, {10, 30, 0});
    LoopEntry& mondays = addLoop(loops, "Mondays", {9, 0, 0}, {21, 0, 0});
    mondays.bWeekDay = 1;
    mondays.WeekDay = 1;
    addLoop(loops, "Coffee", {6, 0, 0}, {12, 0, 0});
    setText(AddLoop(loops)->Name, "Opening");
}

} // namespace orvex::testing
