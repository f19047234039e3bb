#include "playlist/playlist_write.h"

#include "model/store.h"
#include "param/param_io.h"
#include "playlist/playlist_schema.h"

#include <string>
#include <string_view>

namespace orvex {
namespace {

constexpr std::size_t kKeyRoom = 16;

// Binds the path prefix of one node so that each value reads as key and field.
class NodeWriter {
public:
    NodeWriter(ParamIO& io, std::string_view prefix) : m_io(io) {
        // Room for the longest key up front, so that no path of the node grows the buffer.
        m_path.reserve(prefix.size() + 1 + kKeyRoom);
        m_path += prefix;
        m_path += ':';
        m_prefixLength = m_path.size();
    }

    void text(const char* key, const Text64& field) {
        m_io.SetValue(path(key), std::string(textOf(field)));
    }
    // Flags go out as the number they hold, like every other small field.
    template <ParamNumber Number> void number(const char* key, Number value) {
        m_io.SetValue(path(key), value);
    }
    void date(const char* key, TDateTime value, const RegionalFormat& format) {
        m_io.SetValue(path(key), formatDate(format, value));
    }
    void time(const char* key, TDateTime value, const RegionalFormat& format) {
        m_io.SetValue(path(key), formatTime(format, value));
    }

private:
    // One buffer for every path of the node: a full sequence sets a hundred thousand values.
    const std::string& path(const char* key) const {
        m_path.resize(m_prefixLength);
        m_path += key;
        return m_path;
    }

    ParamIO& m_io;
    mutable std::string m_path;
    std::size_t m_prefixLength;
};

} // namespace

void WriteMainParams(ParamIO& io, const Sequence& sequence, const RegionalFormat& format) {
    const MainParams& params = sequence.mainParams;
    const std::uint8_t loopCount = loopsInUse(sequence.loopTable);
    NodeWriter main(io, kMainPrefix);
    main.text("ScrollText", params.ScrollText);
    main.number("Scroll", params.Scroll);
    main.number("ShowText", params.ShowText);
    main.number("ShowDate", params.ShowDate);
    main.number("ShowTime", params.ShowTime);
    main.number("TextColor", params.TextColor);
    main.number("BackColor", params.BackColor);
    main.number("TimeZoneIndex", params.TimeZoneIndex);
    main.number("EnableDST", params.EnableDST);
    main.text("FileLogo", params.FileLogo);
    main.number("xLogo", params.xLogo);
    main.number("yLogo", params.yLogo);
    main.number("xClock", params.xClock);
    main.number("yClock", params.yClock);
    main.number("Rotation", params.Rotation);
    main.number("LoopCount", loopCount);
    for (std::uint8_t n = 0; n < loopCount; ++n) {
        WriteLoop(io, sequence.loopTable, n, format);
    }
}

void WriteLoop(ParamIO& io, const LoopTable& table, std::uint8_t n, const RegionalFormat& format) {
    if (n >= loopsInUse(table)) {
        return;
    }
    const LoopEntry& loop = *GetLoop(table, n);
    NodeWriter node(io, loopPrefix(n));
    node.text("Name", loop.Name);
    node.number("bDateIni", loop.bDateIni);
    node.number("bDateEnd", loop.bDateEnd);
    node.number("bTimeIni", loop.bTimeIni);
    node.number("bTimeEnd", loop.bTimeEnd);
    node.number("bWeekDay", loop.bWeekDay);
    node.number("bMonthDay", loop.bMonthDay);
    node.number("Loop", loop.Loop);
    node.number("Checked", loop.Checked);
    node.date("DateIni", loop.DateIni, format);
    node.date("DateEnd", loop.DateEnd, format);
    node.time("TimeIni", loop.TimeIni, format);
    node.time("TimeEnd", loop.TimeEnd, format);
    node.number("WeekDay", loop.WeekDay);
    node.number("MonthDay", loop.MonthDay);
    const std::uint8_t itemCount = itemsInUse(loop);
    node.number("nItems", itemCount);
    node.number("Event", loop.Event);
    for (std::uint8_t m = 0; m < itemCount; ++m) {
        WriteImageItem(io, table, n, m, format);
    }
}

void WriteImageItem(ParamIO& io, const LoopTable& table, std::uint8_t n, std::uint8_t m,
                    const RegionalFormat& format) {
    if (n >= loopsInUse(table) || m >= itemsInUse(*GetLoop(table, n))) {
        return;
    }
    const ImageItem& item = GetLoop(table, n)->Items[m];
    NodeWriter node(io, itemPrefix(n, m));
    node.text("FileName", item.FileName);
    node.time("Duration", item.Duration, format);
    node.number("bDuration", item.bDuration);
    node.number("Position", item.Position);
    node.number("Checked", item.Checked);
}

} // namespace orvex
