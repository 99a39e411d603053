#include "printing/AdvicePrint.h"

namespace Printing {

void PrintAdvice(PageCanvas&, const QString&, const QString&, const QString&, const QString&,
                 const QStringList&) {}

} // namespace Printing
