#include "forms/SelectComboItem.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace qor {

void SelectComboItem(QComboBox* combo, const QString& text) {
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

} // namespace qor
