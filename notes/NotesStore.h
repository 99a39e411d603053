#pragma once

// The patient notes of the current assessment: four identification strings and
// the comment as plain text lines. The main window owns one store for the life
// of the program; the notes dialog fills it on OK, "New" empties it and the
// print command reads it.

#include <QString>
#include <QStringList>

struct NotesStore {
    // Longest text each identification string keeps; longer input is cut.
    static constexpr int kNameCapacity = 31;
    static constexpr int kIdentNoCapacity = 31;
    static constexpr int kDateCapacity = 23;
    static constexpr int kExaminerCapacity = 31;

    QString name;
    QString identNo;
    QString date; // free form, never validated
    QString examiner;
    QStringList lines; // the comment, one entry per displayed line, no formatting

    // Empties all four strings and the comment.
    void Clear();
};
