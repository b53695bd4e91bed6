// Selecting a combo box entry by its text, as the program does when it sets a selector itself.
#pragma once

class QComboBox;
class QString;

namespace qor {

// Selects the entry whose text equals `text` exactly (case included); when no entry has that
// text the combo has no selection. Raises no change signal: only the user's choices do.
void SelectComboItem(QComboBox* combo, const QString& text);

} // namespace qor
