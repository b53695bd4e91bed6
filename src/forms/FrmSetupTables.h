// The settings dialog's fixed tables and the pure rules behind its controls: the quality-word
// items of the device page, the shades up/down rule, the render-state table and the name=value
// lines that the render-state page composes.
#pragma once

#include "engine/Types.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

class QComboBox;

namespace qor {

// One item of a device-page combo: its text and the bits it stands for.
struct QualityItem {
    const char* text;
    std::uint32_t value;
};

// One combo that shows a group of bits of the device's quality word.
struct QualityGroup {
    std::uint32_t mask; // the whole word for QualityCombo
    std::vector<QualityItem> items;
};

const QualityGroup& QualityItems(); // "WIREFRAME" .. "PHONG": whole words
const QualityGroup& ShadeItems();   // bits 0-2
const QualityGroup& LightItems();   // bits 3-5
const QualityGroup& FillItems();    // bits 6-8
const QStringList& TextureItems();  // texture quality 0 to 5

// The text of the item whose value equals the word's bits of the group, or nothing when the
// bits match no item.
std::optional<QString> ItemForWord(const QualityGroup& group, D3DRMRENDERQUALITY word);

// The word with the group's bits replaced by the value.
D3DRMRENDERQUALITY WithGroupBits(D3DRMRENDERQUALITY word, const QualityGroup& group,
                                 std::uint32_t value);

// The number of shades after a click of the up/down control: up doubles below 4096, down halves
// (integer division) from 4 on; otherwise the number stays.
int ShadesAfterClick(int shades, bool up);

// True when the entry with that text is the selected one.
bool IsComboItemSelected(const QComboBox* combo, const QString& text);

// One state of the render-state page: its entry "NAME=number" and its value entries.
struct RenderStateRow {
    const char* type;
    QStringList values;
};

const std::vector<RenderStateRow>& RenderStateTable();

// The parts of a name=value text: before the first "=" and after it (empty without "=").
QString NamePart(const QString& line);
QString ValuePart(const QString& line);

// The value that name=value lines give for a name (letter case ignored), empty when no line has
// that name.
QString ValueOfName(const QStringList& lines, const QString& name);

// The lines with the name's value set as the render-state list does it: an existing line (found
// without regard to letter case) becomes name=value in place, a new name is appended, and an empty
// value removes the name's line.
QStringList WithNameValue(QStringList lines, const QString& name, const QString& value);

} // namespace qor
