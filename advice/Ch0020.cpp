#include "advice/Ch0020.h"

TDlg0020::TDlg0020() : TFragmentHolder(QStringLiteral(":/advice/band0020.txt")) {}
