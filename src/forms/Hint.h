// Hints in the form "short|long": the short part is the control's tooltip, the long part is what
// the status bar shows while the mouse is over the control. A hint without "|" serves as both; a
// hint that begins with "|" has no tooltip.
#pragma once

#include <QString>

class QWidget;

namespace qor {

QString ShortHint(const QString& hint);
QString LongHint(const QString& hint);

// Gives the control its tooltip and its status-bar text from one hint.
void SetHint(QWidget* control, const QString& hint);

} // namespace qor
