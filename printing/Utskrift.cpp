#include "printing/Utskrift.h"

namespace Printing {

void PrintReport(PageCanvas&, const ReportData&) {}

} // namespace Printing
