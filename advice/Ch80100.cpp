#include "advice/Ch80100.h"

TDlg80100::TDlg80100() : TFragmentHolder(QStringLiteral(":/advice/band80100.txt")) {}
