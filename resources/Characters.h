#pragma once

// Characters as the reader sees them: a letter with its accents, an emoji
// with its modifiers, a flag, however many UTF-16 code units each takes. Every
// length limit of the program counts these and never keeps half of one.

#include <QList>
#include <QStringView>

namespace Characters {

// Where each character of `text` starts, and the text's end last.
QList<qsizetype> Boundaries(QStringView text);

// Where the first `count` characters of `text` end, in code units; the text's
// size when it holds fewer. Only a head of a long text is taken apart.
qsizetype End(QStringView text, qsizetype count);

} // namespace Characters
