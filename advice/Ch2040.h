#pragma once

// Advice fragments of the chance band 21-40, a high risk.

#include "advice/FragmentHolder.h"

class TDlg2040 : public TFragmentHolder {
public:
    TDlg2040();
};
