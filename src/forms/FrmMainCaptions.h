// Captions that carry state: a two-state command reads its state from them.
#pragma once

#include <QString>

namespace qor {

inline const QString kRunWorkCaption = QStringLiteral("Запустить механизм");
inline const QString kStopWorkCaption = QStringLiteral("Остановить механизм");
inline const QString kRotateSceneCaption = QStringLiteral("Вращать сцену");
inline const QString kStopSceneCaption = QStringLiteral("Остановить");
inline const QString kDefaultViewEntry = QStringLiteral("по умолчанию");

} // namespace qor
