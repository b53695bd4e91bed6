// Captions that carry state: a two-state command reads its state from the caption its controls
// show. They are sources for the translation tools; the window shows their translations.
#pragma once

#include <QtGlobal>

namespace qor {

inline constexpr const char* kRunWorkCaption =
    QT_TRANSLATE_NOOP("qor::TMainForm", "Запустить механизм");
inline constexpr const char* kStopWorkCaption =
    QT_TRANSLATE_NOOP("qor::TMainForm", "Остановить механизм");
inline constexpr const char* kRotateSceneCaption =
    QT_TRANSLATE_NOOP("qor::TMainForm", "Вращать сцену");
inline constexpr const char* kStopSceneCaption = QT_TRANSLATE_NOOP("qor::TMainForm", "Остановить");
inline constexpr const char* kDefaultViewEntry =
    QT_TRANSLATE_NOOP("qor::TMainForm", "по умолчанию");

} // namespace qor
