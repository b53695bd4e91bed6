// Russian for the texts that Qt itself shows (standard buttons, context menus of entries, its
// stock dialogs), whatever the user's locale: the program's own texts are Russian already.
#pragma once

namespace qor {

// Loads Qt's Russian translation (qtbase_ru.qm, from Qt's translations folder) into the
// application. Returns false, changing nothing, when the file is missing. Needs the application
// object; call it once at start-up.
bool LoadRussianTranslation();

} // namespace qor
