#pragma once

// Advice fragments of the chance band 81-100, a low risk.

#include "advice/FragmentHolder.h"

class TDlg80100 : public TFragmentHolder {
public:
    TDlg80100();
};
