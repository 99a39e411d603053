#include "advice/Ch4060.h"

TDlg4060::TDlg4060() : TFragmentHolder(QStringLiteral(":/advice/band4060.txt")) {}
