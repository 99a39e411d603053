#include "batch/Columns.h"

#include "batch/CsvReader.h"
#include "mainwindow/FactorRows.h"

#include <QStringList>

namespace Batch {

namespace {

QString Normalised(const std::string& cell) {
    return QString::fromUtf8(cell).trimmed().toCaseFolded();
}

struct Wanted {
    QString name;
    int* column;
    bool required;
};

} // namespace

const QString& CountryAreaColumn() {
    static const QString name = QStringLiteral("Country/Area");
    return name;
}

const QString& GroupColumn() {
    static const QString name = QStringLiteral("Group");
    return name;
}

const QString& FactorColumn(int factor) {
    return FactorRows::Rows().at(static_cast<std::size_t>(factor)).label;
}

namespace {

const QStringList& NotesColumns() {
    static const QStringList names{QStringLiteral("Name"), QStringLiteral("Ident.No."),
                                   QStringLiteral("Date"), QStringLiteral("Examiner"),
                                   QStringLiteral("Comments")};
    return names;
}

} // namespace

QStringList KnownColumns() {
    QStringList names;
    for (int factor = 0; factor < kFactorCount; ++factor) {
        names << FactorColumn(factor);
    }
    names << CountryAreaColumn() << GroupColumn() << NotesColumns();
    return names;
}

Columns MatchColumns(const std::vector<std::string>& header) {
    Columns columns;
    columns.factors.fill(Columns::kAbsent);
    columns.width = static_cast<int>(header.size());
    columns.headers = header;

    const QStringList& notes = NotesColumns();
    std::vector<Wanted> wanted;
    wanted.reserve(kFactorCount + 2 + notes.size());
    for (int factor = 0; factor < kFactorCount; ++factor) {
        wanted.push_back({FactorColumn(factor), &columns.factors[factor], true});
    }
    wanted.push_back({CountryAreaColumn(), &columns.countryArea, true});
    wanted.push_back({GroupColumn(), &columns.group, true});
    int* const notesColumns[] = {&columns.name, &columns.identNo, &columns.date, &columns.examiner,
                                 &columns.comments};
    for (qsizetype i = 0; i < notes.size(); ++i) {
        wanted.push_back({notes[i], notesColumns[i], false});
    }

    for (int index = 0; index < columns.width; ++index) {
        QString name = Normalised(header[index]);
        // The window also writes the label without its final full stop.
        if (name == QStringLiteral("ident.no")) {
            name += QLatin1Char('.');
        }
        for (Wanted& column : wanted) {
            if (column.name.toCaseFolded() != name) {
                continue;
            }
            if (*column.column != Columns::kAbsent) {
                throw MalformedFile(1, "the column \"" + column.name.toStdString() +
                                           "\" is named twice in the header");
            }
            *column.column = index;
        }
    }
    for (const Wanted& column : wanted) {
        if (column.required && *column.column == Columns::kAbsent) {
            throw MalformedFile(1,
                                "the header names no column \"" + column.name.toStdString() + "\"");
        }
    }
    return columns;
}

} // namespace Batch
