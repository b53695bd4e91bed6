#include "forms/FrmSetupTables.h"

#include <QComboBox>

namespace qor {

const QualityGroup& QualityItems() {
    static const QualityGroup group{0xFFFFFFFFu,
                                    {{"WIREFRAME", D3DRMRENDER_WIREFRAME},
                                     {"UNLITFLAT", D3DRMRENDER_UNLITFLAT},
                                     {"FLAT", D3DRMRENDER_FLAT},
                                     {"GOURAUD", D3DRMRENDER_GOURAUD},
                                     {"PHONG", D3DRMRENDER_PHONG}}};
    return group;
}

const QualityGroup& ShadeItems() {
    static const QualityGroup group{
        D3DRMSHADE_MASK,
        {{"FLAT", D3DRMSHADE_FLAT}, {"GOURAUD", D3DRMSHADE_GOURAUD}, {"PHONG", D3DRMSHADE_PHONG}}};
    return group;
}

const QualityGroup& LightItems() {
    static const QualityGroup group{D3DRMLIGHT_MASK,
                                    {{"ON", D3DRMLIGHT_ON}, {"OFF", D3DRMLIGHT_OFF}}};
    return group;
}

const QualityGroup& FillItems() {
    static const QualityGroup group{D3DRMFILL_MASK,
                                    {{"POINTS", D3DRMFILL_POINTS},
                                     {"WIREFRAME", D3DRMFILL_WIREFRAME},
                                     {"SOLID", D3DRMFILL_SOLID}}};
    return group;
}

const QStringList& TextureItems() {
    static const QStringList items{"NEAREST",   "LINEAR",           "MIPNEAREST",
                                   "MIPLINEAR", "LINEARMIPNEAREST", "LINEARMIPLINEAR"};
    return items;
}

std::optional<QString> ItemForWord(const QualityGroup& group, D3DRMRENDERQUALITY word) {
    for (const QualityItem& item : group.items) {
        if (item.value == (word & group.mask)) {
            return QString::fromLatin1(item.text);
        }
    }
    return std::nullopt;
}

D3DRMRENDERQUALITY WithGroupBits(D3DRMRENDERQUALITY word, const QualityGroup& group,
                                 std::uint32_t value) {
    return (word & ~group.mask) | value;
}

int ShadesAfterClick(int shades, bool up) {
    if (up) {
        return shades < 4096 ? shades * 2 : shades;
    }
    return shades >= 4 ? shades / 2 : shades;
}

bool IsComboItemSelected(const QComboBox* combo, const QString& text) {
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return index >= 0 && index == combo->currentIndex();
}

const std::vector<RenderStateRow>& RenderStateTable() {
    static const std::vector<RenderStateRow> table{
        {"D3DRENDERSTATE_CULLMODE=22", {"D3DCULL_NONE=1", "D3DCULL_CW=2", "D3DCULL_CCW(def)=3"}},
        {"D3DRENDERSTATE_ZENABLE=7", {"TRUE=1", "FALSE(def)=0"}},
        {"D3DRENDERSTATE_ZWRITEENABLE=14", {"TRUE(def)=1", "FALSE=0"}},
        {"D3DRENDERSTATE_ZFUNC=23",
         {"D3DCMP_NEVER=1", "D3DCMP_LESS=2", "D3DCMP_EQUAL=3", "D3DCMP_LESSEQUAL(def)=4",
          "D3DCMP_GREATER=5", "D3DCMP_NOTEQUAL=6", "D3DCMP_GREATEREQOAL=7", "D3DCMP_ALWAYS=8"}},
    };
    return table;
}

QString NamePart(const QString& line) {
    const qsizetype equals = line.indexOf(u'=');
    return equals < 0 ? line : line.left(equals);
}

QString ValuePart(const QString& line) {
    const qsizetype equals = line.indexOf(u'=');
    return equals < 0 ? QString() : line.mid(equals + 1);
}

namespace {

qsizetype IndexOfName(const QStringList& lines, const QString& name) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].contains(u'=') && NamePart(lines[i]).compare(name, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

} // namespace

QString ValueOfName(const QStringList& lines, const QString& name) {
    const qsizetype index = IndexOfName(lines, name);
    return index < 0 ? QString() : ValuePart(lines[index]);
}

QStringList WithNameValue(QStringList lines, const QString& name, const QString& value) {
    const qsizetype index = IndexOfName(lines, name);
    if (value.isEmpty()) {
        if (index >= 0) {
            lines.removeAt(index);
        }
    } else if (index < 0) {
        lines.append(name + u'=' + value);
    } else {
        lines[index] = name + u'=' + value;
    }
    return lines;
}

} // namespace qor
