#include "platform/DecimalSeparator.h"

#include <QLocale>

namespace qor {
namespace {

QChar& CurrentSeparator() {
    static QChar separator = DecimalSeparatorOf(QLocale::system());
    return separator;
}

} // namespace

QChar DecimalSeparator() {
    return CurrentSeparator();
}

void SetDecimalSeparator(QChar separator) {
    CurrentSeparator() = separator;
}

QChar DecimalSeparatorOf(const QLocale& locale) {
    // Qt 6 gives the separator as a string; every locale it knows uses a single character.
    const QString point = locale.decimalPoint();
    return point.isEmpty() ? QChar('.') : point.front();
}

} // namespace qor
