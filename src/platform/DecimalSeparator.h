// The process-wide decimal separator: every number the program reads from or writes into a text
// uses it. It starts as the separator of the user's locale and is set to "." for good once the
// settings dialog shows a viewport.
#pragma once

#include <QChar>

class QLocale;

namespace qor {

// The current separator. On first use it is taken from the user's numeric locale (LC_ALL, then
// LC_NUMERIC, then LANG): "," for a Russian locale, "." for the C locale.
QChar DecimalSeparator();

void SetDecimalSeparator(QChar separator);

// The separator that a locale writes between the integer and the fractional part.
QChar DecimalSeparatorOf(const QLocale& locale);

} // namespace qor
