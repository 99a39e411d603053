#pragma once

// The five fragment stores, loaded once per test run, and a helper that
// writes down what an advice made of given fragments must look like.

#include "advice/AdviceSelection.h"

#include <QStringList>

struct AllHolders {
    TDlg0020 dlg0020;
    TDlg2040 dlg2040;
    TDlg4060 dlg4060;
    TDlg6080 dlg6080;
    TDlg80100 dlg80100;

    FragmentHolders Refs() const { return {dlg0020, dlg2040, dlg4060, dlg6080, dlg80100}; }

    const TFragmentHolder& Of(ChanceBand band) const {
        switch (band) {
        case ChanceBand::Band0020:
            return dlg0020;
        case ChanceBand::Band2040:
            return dlg2040;
        case ChanceBand::Band4060:
            return dlg4060;
        case ChanceBand::Band6080:
            return dlg6080;
        case ChanceBand::Band80100:
            break;
        }
        return dlg80100;
    }
};

inline const AllHolders& Holders() {
    static const AllHolders holders;
    return holders;
}

// The fragments of `keys` in order, each followed by a one-blank line except
// the last.
inline QStringList JoinFragments(const TFragmentHolder& holder, const QStringList& keys) {
    QStringList lines;
    for (const QString& key : keys) {
        if (!lines.isEmpty()) {
            lines << QStringLiteral(" ");
        }
        lines << holder.Fragment(key);
    }
    return lines;
}
