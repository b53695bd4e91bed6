// The icon of a design file: a sheet of paper with a folded corner, two lines of text and the
// program's icon on it, in the program icon's colours. Drawn for the icon theme only: the
// desktop shows it for files of the design type.
#pragma once

#include <QImage>
#include <QString>

namespace qor {

// The icon painted at size x size pixels on a transparent background.
QImage DesignIconImage(int size);

// The same drawing as an SVG document on the 32 x 32 grid of the program icon.
QString DesignIconSvg();

} // namespace qor
