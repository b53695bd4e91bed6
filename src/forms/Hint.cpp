#include "forms/Hint.h"

#include <QWidget>

namespace qor {

QString ShortHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString LongHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void SetHint(QWidget* control, const QString& hint) {
    control->setToolTip(ShortHint(hint));
    control->setStatusTip(LongHint(hint));
}

} // namespace qor
