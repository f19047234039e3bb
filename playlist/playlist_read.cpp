#include "playlist/playlist_read.h"

#include "model/store.h"
#include "param/param_io.h"
#include "playlist/playlist_schema.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace orvex {
namespace {

constexpr std::size_t kKeyRoom = 16;

// Binds the path prefix of one node; every getter falls back to the value the caller names.
class NodeReader {
public:
    NodeReader(const ParamIO& io, std::string_view prefix) : m_io(io) {
        // Room for the longest key up front, so that no path of the node grows the buffer.
        m_path.reserve(prefix.size() + 1 + kKeyRoom);
        m_path += prefix;
        m_path += ':';
        m_prefixLength = m_path.size();
    }

    // A text longer than the field is cut to what the field holds.
    void text(const char* key, Text64& field) const {
        std::string value;
        m_io.GetValueOr(path(key), value, std::string());
        setText(field, value);
    }
    std::uint8_t flag(const char* key, std::uint8_t fallback) const {
        std::uint32_t value = 0;
        if (!m_io.GetValue(path(key), value)) {
            return fallback;
        }
        return value == 1 ? 1 : 0;
    }
    // The field keeps the low bits of the 32-bit number: 300 gives 44 in an 8-bit field and
    // 4294967291 gives -5 in a 16-bit one.
    template <typename Field> Field number(const char* key, Field fallback) const {
        std::uint32_t value = 0;
        if (!m_io.GetValue(path(key), value)) {
            return fallback;
        }
        return static_cast<Field>(value);
    }
    TDateTime dateTime(const char* key, TDateTime fallback, const RegionalFormat& format) const {
        std::string value;
        if (!m_io.GetValue(path(key), value)) {
            return fallback;
        }
        return parseDateTime(format, value);
    }

private:
    // One buffer for every path of the node: a full sequence holds a hundred thousand values.
    const std::string& path(const char* key) const {
        m_path.resize(m_prefixLength);
        m_path += key;
        return m_path;
    }

    const ParamIO& m_io;
    mutable std::string m_path;
    std::size_t m_prefixLength;
};

} // namespace

void ReadMainParams(const ParamIO& io, Sequence& sequence, const RegionalFormat& format) {
    MainParams& params = sequence.mainParams;
    const NodeReader main(io, kMainPrefix);
    main.text("ScrollText", params.ScrollText);
    params.Scroll = main.flag("Scroll", 0);
    params.ShowText = main.flag("ShowText", 0);
    params.ShowDate = main.flag("ShowDate", 0);
    params.ShowTime = main.flag("ShowTime", 1);
    params.TextColor = main.number<std::uint8_t>("TextColor", 0);
    params.BackColor = main.number<std::uint8_t>("BackColor", 1);
    params.TimeZoneIndex = main.number<std::int32_t>("TimeZoneIndex", 0);
    params.EnableDST = main.flag("EnableDST", 1);
    main.text("FileLogo", params.FileLogo);
    params.xLogo = main.number<std::int16_t>("xLogo", 0);
    params.yLogo = main.number<std::int16_t>("yLogo", 0);
    params.xClock = main.number<std::int16_t>("xClock", 0);
    params.yClock = main.number<std::int16_t>("yClock", 0);
    const auto loopCount = main.number<std::uint8_t>("LoopCount", 0);
    params.Rotation = main.number<std::uint8_t>("Rotation", 0);

    LoopTable& table = sequence.loopTable;
    for (int i = 0; i < loopCount && i < kMaxLoops; ++i) {
        AddLoop(table);
        ReadLoop(io, table, static_cast<std::uint8_t>(i), format);
    }
}

void ReadLoop(const ParamIO& io, LoopTable& table, std::uint8_t n, const RegionalFormat& format) {
    LoopEntry* found = GetLoop(table, n);
    if (found == nullptr) {
        return;
    }
    LoopEntry& loop = *found;
    const NodeReader node(io, loopPrefix(n));
    node.text("Name", loop.Name);
    loop.bDateIni = node.flag("bDateIni", 0);
    loop.bDateEnd = node.flag("bDateEnd", 0);
    loop.bTimeIni = node.flag("bTimeIni", 0);
    loop.bTimeEnd = node.flag("bTimeEnd", 0);
    loop.bWeekDay = node.flag("bWeekDay", 0);
    loop.bMonthDay = node.flag("bMonthDay", 0);
    loop.Loop = node.flag("Loop", 0);
    loop.Checked = node.flag("Checked", 0);
    loop.DateIni = node.dateTime("DateIni", 0, format);
    loop.DateEnd = node.dateTime("DateEnd", 0, format);
    loop.TimeIni = node.dateTime("TimeIni", 0, format);
    loop.TimeEnd = node.dateTime("TimeEnd", 0, format);
    loop.WeekDay = node.number<std::uint8_t>("WeekDay", 0);
    loop.MonthDay = node.number<std::uint8_t>("MonthDay", 0);
    // A file may claim more items than a loop has slots.
    loop.nItems = std::min<std::uint8_t>(node.number<std::uint8_t>("nItems", 0), kMaxImageItems);
    loop.Event = node.number<std::uint8_t>("Event", 0);
    for (std::uint8_t m = 0; m < loop.nItems; ++m) {
        ReadImageItem(io, table, n, m, format);
    }
}

void ReadImageItem(const ParamIO& io, LoopTable& table, std::uint8_t n, std::uint8_t m,
                   const RegionalFormat& format) {
    LoopEntry* loop = GetLoop(table, n);
    if (loop == nullptr || m >= itemsInUse(*loop)) {
        return;
    }
    ImageItem& item = loop->Items[m];
    const NodeReader node(io, itemPrefix(n, m));
    node.text("FileName", item.FileName);
    item.Duration = node.dateTime("Duration", kDefaultDuration, format);
    item.bDuration = node.flag("bDuration", 0);
    item.Position = node.number<std::uint8_t>("Position", 0);
    item.Checked = node.flag("Checked", 0);
}

} // namespace orvex
