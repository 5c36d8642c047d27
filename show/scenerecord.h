#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <array>

// The driver's show data: 8 programs of 20 steps and 8 free-standing scenes.
// Both tables are plain byte images of 48-byte records, the same bytes in
// memory, in show files and (scrambled) in the driver's external flash.
namespace Show {

inline constexpr int LampCount = 12;

// The layout of one 48-byte record (see SceneRecord), the only place its
// offsets are written down.
inline constexpr int BytesPerLamp = 3;                       // red, green, blue
inline constexpr int LampBytes = BytesPerLamp * LampCount;   // lamps at 0..35
inline constexpr int RiseTimeOffset = LampBytes;             // 36, qint32 LE
inline constexpr int StaticTimeOffset = RiseTimeOffset + 4;  // 40, qint32 LE
inline constexpr int EndMarkerOffset = StaticTimeOffset + 4; // 44, one byte
inline constexpr int ReservedOffset = EndMarkerOffset + 1;   // 45
inline constexpr int ReservedSize = 3;
inline constexpr int RecordSize = ReservedOffset + ReservedSize;
static_assert(RecordSize == 48, "the driver's record is 48 bytes");

inline constexpr int ProgramCount = 8;
inline constexpr int StepsPerProgram = 20;
inline constexpr int SceneCount = 8;
inline constexpr int ProgramTableSize = ProgramCount * StepsPerProgram * RecordSize; // 7680
inline constexpr int SceneTableSize = SceneCount * RecordSize;                       // 384

// The ranges the editors offer.
inline constexpr int MaxRiseTime = 100000;
inline constexpr int MaxStaticTime = 900000; // milliseconds

enum class Kind { Programs, Scenes };

[[nodiscard]] constexpr int tableSize(Kind kind)
{
    return kind == Kind::Programs ? ProgramTableSize : SceneTableSize;
}

// Byte offset of a record in its table (all indices zero-based).
[[nodiscard]] constexpr int programRecordOffset(int program, int step)
{
    return (program * StepsPerProgram + step) * RecordSize;
}
[[nodiscard]] constexpr int sceneRecordOffset(int scene)
{
    return scene * RecordSize;
}

struct Rgb
{
    quint8 red = 0;
    quint8 green = 0;
    quint8 blue = 0;

    friend bool operator==(const Rgb &a, const Rgb &b)
    {
        return a.red == b.red && a.green == b.green && a.blue == b.blue;
    }
    friend bool operator!=(const Rgb &a, const Rgb &b) { return !(a == b); }
};

// One program step or one scene, at the offsets above: red, green, blue of
// each lamp, riseTime (the "XFade") and staticTime (the scene time in ms),
// both signed 32-bit little-endian, endMarker and three reserved bytes that
// are carried unchanged.
struct SceneRecord
{
    std::array<Rgb, LampCount> lamps{};
    qint32 riseTime = 0;
    qint32 staticTime = 0;
    quint8 endMarker = 0;
    std::array<quint8, ReservedSize> reserved{};

    // From and to RecordSize bytes.
    [[nodiscard]] static SceneRecord fromBytes(const char *bytes);
    void toBytes(char *bytes) const;
};

// A record of a table; the offset must leave a whole record inside the table
// (an empty record is returned, and nothing is written, otherwise).
[[nodiscard]] SceneRecord recordAt(const QByteArray &table, int offset);
void setRecordAt(QByteArray &table, int offset, const SceneRecord &record);

// What a tab's editors hold of one record.
struct EditorValues
{
    std::array<Rgb, LampCount> lamps{};
    int riseTime = 0;
    int staticTime = 0;
    int endMarker = 0; // programs only

    friend bool operator==(const EditorValues &a, const EditorValues &b)
    {
        return a.lamps == b.lamps && a.riseTime == b.riseTime && a.staticTime == b.staticTime
               && a.endMarker == b.endMarker;
    }
};

// The record as the editors show it: the times limited to their ranges, any
// non-zero end marker as 1.
[[nodiscard]] EditorValues editorValues(const SceneRecord &record);

// The editors' values written back into a record. The end marker is written
// only where the tab edits it (the Programs tab); the reserved bytes never.
void commitEditorValues(SceneRecord &record, const EditorValues &values, Kind kind);

} // namespace Show
