#pragma once

// The five fragment stores, loaded once per test run.

#include "advice/AdviceSelection.h"

struct AllHolders {
    TDlg0020 dlg0020;
    TDlg2040 dlg2040;
    TDlg4060 dlg4060;
    TDlg6080 dlg6080;
    TDlg80100 dlg80100;

    FragmentHolders Refs() const { return {dlg0020, dlg2040, dlg4060, dlg6080, dlg80100}; }

    const TFragmentHolder& Of(ChanceBand band) const {
        return *std::array<const TFragmentHolder*, 5>{&dlg0020, &dlg2040, &dlg4060, &dlg6080,
                                                      &dlg80100}[static_cast<std::size_t>(band)];
    }
};

inline const AllHolders& Holders() {
    static const AllHolders holders;
    return holders;
}
