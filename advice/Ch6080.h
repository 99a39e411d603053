#pragma once

// Advice fragments of the chance band 61-80, a rather low risk.

#include "advice/FragmentHolder.h"

class TDlg6080 : public TFragmentHolder {
public:
    TDlg6080();
};
