#include "advice/FragmentHolder.h"

#include <QFile>
#include <QRegularExpression>
#include <stdexcept>

// The fragment texts are compiled into this static library; registering them
// here makes sure the linker keeps them.
static void InitAdviceFragments() {
    Q_INIT_RESOURCE(advice_fragments);
}

namespace {

[[noreturn]] void Fail(int lineNumber, const QString& what) {
    throw std::runtime_error(
        QStringLiteral("advice fragments, line %1: %2").arg(lineNumber).arg(what).toStdString());
}

QString ReadResource(const QString& path) {
    InitAdviceFragments();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error(
            QStringLiteral("advice fragments missing: %1").arg(path).toStdString());
    }
    return QString::fromUtf8(file.readAll());
}

} // namespace

TFragmentHolder::TFragmentHolder(const QString& resourcePath)
    : fragments_(ParseFragments(ReadResource(resourcePath))) {}

const QStringList& TFragmentHolder::Fragment(const QString& key) const {
    const auto found = fragments_.constFind(key);
    if (found == fragments_.cend()) {
        throw std::out_of_range(
            QStringLiteral("no advice fragment \"%1\" in this band").arg(key).toStdString());
    }
    return found.value();
}

QMap<QString, QStringList> TFragmentHolder::ParseFragments(const QString& text) {
    static const QRegularExpression header(QStringLiteral("^\\[([1-9]\\.[1-9])\\]$"));
    QMap<QString, QStringList> fragments;
    QString currentKey;
    int currentLine = 0;
    const QStringList rows = text.split(QLatin1Char('\n'));
    for (int index = 0; index < rows.size(); ++index) {
        QString row = rows.at(index);
        if (row.endsWith(QLatin1Char('\r'))) {
            row.chop(1);
        }
        const int lineNumber = index + 1;
        if (row.isEmpty() || row.startsWith(QLatin1Char('#'))) {
            continue;
        }
        if (const auto match = header.match(row); match.hasMatch()) {
            if (!currentKey.isEmpty() && fragments.value(currentKey).isEmpty()) {
                Fail(currentLine, QStringLiteral("fragment \"%1\" has no lines").arg(currentKey));
            }
            currentKey = match.captured(1);
            currentLine = lineNumber;
            if (fragments.contains(currentKey)) {
                Fail(lineNumber, QStringLiteral("fragment \"%1\" given twice").arg(currentKey));
            }
            fragments.insert(currentKey, {});
            continue;
        }
        if (row.size() < 2 || !row.startsWith(QLatin1Char('|')) ||
            !row.endsWith(QLatin1Char('|'))) {
            Fail(lineNumber, QStringLiteral("expected \"[key]\" or a text line between two bars"));
        }
        if (currentKey.isEmpty()) {
            Fail(lineNumber, QStringLiteral("text line before the first fragment key"));
        }
        fragments[currentKey].append(row.mid(1, row.size() - 2));
    }
    if (!currentKey.isEmpty() && fragments.value(currentKey).isEmpty()) {
        Fail(currentLine, QStringLiteral("fragment \"%1\" has no lines").arg(currentKey));
    }
    return fragments;
}
