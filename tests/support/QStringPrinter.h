#pragma once

// Readable QString and QStringList values in test failure messages.

#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << (list.isEmpty() ? "{}" : "{\"" + list.join("\", \"").toStdString() + "\"}");
}
