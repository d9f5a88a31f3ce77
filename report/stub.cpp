// Placeholder until the report writer lands.
#include "report/print_data.h"

namespace report {
void PrintData(QWidget *, Variant, const ReadOuts &) {}
} // namespace report
