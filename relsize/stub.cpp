// Placeholder until the relative size window lands.
#include "relsize/show_relative_size.h"

namespace relsize {

std::optional<StarAppearance> ClassifyStar(double, double, DiagramKind) { return std::nullopt; }
void ShowRelativeSize(QWidget *, const QString &, const model::StarPoint &, DiagramKind) {}

} // namespace relsize
