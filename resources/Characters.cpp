#include "resources/Characters.h"

#include <QTextBoundaryFinder>

namespace Characters {

QList<qsizetype> Boundaries(QStringView text) {
    QList<qsizetype> boundaries{0};
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary()) {
        boundaries << at;
    }
    return boundaries;
}

qsizetype End(QStringView text, qsizetype count) {
    if (text.size() <= count) {
        return text.size(); // a character takes at least one code unit
    }
    // Whether a character ends at a position depends on what comes before it
    // and on the code point after it (at most two code units), so the ends
    // found inside a head, short of its last two units, are final.
    for (qsizetype head = 2 * count + 2;; head *= 2) {
        const QStringView part = text.left(head);
        const bool whole = part.size() == text.size();
        QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, part);
        qsizetype seen = 0;
        for (qsizetype end = finder.toNextBoundary(); end > 0; end = finder.toNextBoundary()) {
            if (end >= part.size() - 1 && !whole) {
                break; // the head may have cut this character
            }
            if (++seen == count) {
                return end;
            }
        }
        if (whole) {
            return text.size();
        }
    }
}

} // namespace Characters
