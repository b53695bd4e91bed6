// The capability text that the drivers page shows for one driver, line by line.
#pragma once

#include <QStringList>

namespace qor {

struct TD3DDesc;

// The description, the GUID text, "Color Model:" with the colour model, then, when the record
// holds triangle capabilities, the cull and shading operations; tab-indented lines start with a
// tab character.
QStringList DriverCapabilityText(const QString& guidText, const TD3DDesc& desc);

} // namespace qor
