#pragma once

// Advice fragments of the chance band 0-20, a very high risk.

#include "advice/FragmentHolder.h"

class TDlg0020 : public TFragmentHolder {
public:
    TDlg0020();
};
