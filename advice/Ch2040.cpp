#include "advice/Ch2040.h"

TDlg2040::TDlg2040() : TFragmentHolder(QStringLiteral(":/advice/band2040.txt")) {}
