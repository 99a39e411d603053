#include "notes/NotesCommand.h"

#include "notes/InputId.h"
#include "notes/NotesStore.h"

bool RunNotesCommand(TPatientIdent& dialog, NotesStore& store) {
    dialog.LoadFrom(store);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    dialog.StoreInto(store);
    return true;
}

QString IdentLabelText(const QString& value, const QString& fallback) {
    return value.isEmpty() ? fallback : value;
}
