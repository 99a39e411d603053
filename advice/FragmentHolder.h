#pragma once

// Store of one chance band's advice fragments. A fragment is an ordered list
// of text lines identified by a key "1.1" to "9.1": the first digit names the
// advice block that uses it (1 opening verdict ... 9 closing remarks), the
// second numbers the alternatives within that block. The texts are data, one
// text file per band compiled into the program, so that they read like the
// printed page.

#include <QMap>
#include <QString>
#include <QStringList>

class TFragmentHolder {
public:
    // Lines of the fragment `key`, exactly as stored (leading and trailing
    // blanks and empty lines included). Throws std::out_of_range for a key
    // this band does not have.
    const QStringList& Fragment(const QString& key) const;
    bool HasFragment(const QString& key) const { return fragments_.contains(key); }
    // Keys of the band, in ascending order ("1.1", "1.2", ... "9.1").
    QStringList Keys() const { return fragments_.keys(); }

    // Reads the fragment text format. Empty lines and lines starting with '#'
    // are ignored; "[k.n]" opens the fragment with key k.n; every text line of
    // a fragment stands between two bars, "|  like this |", so that blanks at
    // either end and empty lines ("||") are kept exactly. Throws
    // std::runtime_error naming the line for anything else, a duplicate key,
    // a text line outside a fragment or a fragment without lines.
    static QMap<QString, QStringList> ParseFragments(const QString& text);

protected:
    // Loads the band's fragments from a compiled-in resource file.
    explicit TFragmentHolder(const QString& resourcePath);

private:
    QMap<QString, QStringList> fragments_;
};
