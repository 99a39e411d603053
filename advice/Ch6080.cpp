#include "advice/Ch6080.h"

TDlg6080::TDlg6080() : TFragmentHolder(QStringLiteral(":/advice/band6080.txt")) {}
