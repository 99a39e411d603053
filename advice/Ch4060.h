#pragma once

// Advice fragments of the chance band 41-60, an intermediate risk.

#include "advice/FragmentHolder.h"

class TDlg4060 : public TFragmentHolder {
public:
    TDlg4060();
};
