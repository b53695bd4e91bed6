#include "scene/LinkModel.h"

#include <algorithm>
#include <cmath>

namespace qor {

namespace {
constexpr int kShortestModel = 1;
constexpr int kLongestModel = 10;
} // namespace

LinkModelChoice ChooseLinkModel(double length) {
    if (!std::isfinite(length) || length == 0.0) {
        return {};
    }
    const double whole = std::trunc(length);
    if (whole >= kShortestModel && whole <= kLongestModel) {
        return {static_cast<int>(whole), 1.0};
    }
    const int nearest = static_cast<int>(
        std::clamp(std::round(std::fabs(length)), double{kShortestModel}, double{kLongestModel}));
    return {nearest, length / nearest};
}

QString LinkModelFile(int number) {
    return QStringLiteral("LINKS\\L%1.x").arg(number);
}

} // namespace qor
