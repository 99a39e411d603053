#include "notes/NotesStore.h"

void NotesStore::Clear() {
    name.clear();
    identNo.clear();
    date.clear();
    examiner.clear();
    lines.clear();
}
