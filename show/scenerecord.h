#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <array>

// The driver's show data: 8 programs of 20 steps and 8 free-standing scenes.
// Both tables are plain byte images of 48-byte records, the same bytes in
// memory, in show files and (scrambled) in the driver's external flash.
namespace Show {

inline constexpr int LampCount = 12;
inline constexpr int RecordSize = 48;
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

// One program step or one scene. In its 48 bytes: red, green, blue of lamps
// 0..11 (bytes 0..35), riseTime (36, the "XFade"), staticTime (40, the scene
// time in ms), both signed 32-bit little-endian, endMarker (44) and three
// reserved bytes that are carried unchanged.
struct SceneRecord
{
    std::array<Rgb, LampCount> lamps{};
    qint32 riseTime = 0;
    qint32 staticTime = 0;
    quint8 endMarker = 0;
    std::array<quint8, 3> reserved{};

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
