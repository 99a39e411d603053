#pragma once

// The Notes command of the main window and the text of its identification
// labels.

#include <QString>

class TPatientIdent;
struct NotesStore;

// Loads `dialog` from `store`, shows it modally and, when it closes with OK,
// stores what it holds and returns true. Any other close leaves `store`
// untouched and returns false.
bool RunNotesCommand(TPatientIdent& dialog, NotesStore& store);

// Text of an identification label: the stored value, or `fallback` ("Name",
// "Ident.No.", "Date", "Examiner") when the value is empty. A value of blanks
// is not empty and is shown as it is.
QString IdentLabelText(const QString& value, const QString& fallback);
