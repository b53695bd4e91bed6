// An independent reading of the INI file rules that IniFile.h states, for the fuzz target to
// hold the writer against: how a file splits into lines, where an entry's value starts, and
// which entries the writer must refuse.
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace qor::fuzz {

// The lines of a file without their line ends ("\n" or "\r\n"; the last line may have none).
std::vector<QByteArray> LinesOf(const QByteArray& content);

// Where the value of an entry line starts (after the first '=' and the blanks that follow it),
// or -1 when the line has no '='.
qsizetype ValueStart(const QByteArray& line);

// True when a line cannot hold the entry so that it reads back the same.
bool RefusesEntry(const QString& section, const QString& key, const QString& value);

} // namespace qor::fuzz
