#pragma once

// The comment editor of the notes dialog: a text editor that takes plain text
// only, reports its scrolling, and answers questions about its lines as they
// are displayed. A paragraph wider than the editor is wrapped and counts as
// several lines; a last line that is empty is not counted.

#include <QStringList>
#include <QTextEdit>

class QTextBlock;

class TSRichEdit : public QTextEdit {
    Q_OBJECT

public:
    explicit TSRichEdit(QWidget* parent = nullptr);

    // 0-based index of the displayed line holding the start of the selection
    // (the caret when nothing is selected).
    int CaretLine() const;

    // Number of displayed lines, leaving out a last line that is empty.
    int LineCount() const;

    // The displayed lines as plain text, in order, as many as LineCount().
    // Soft line breaks inside a paragraph are not part of any line.
    QStringList DisplayedLines() const;

signals:
    // Sent after the editor has scrolled its contents vertically.
    void OnVScroll();
    // Sent after the editor has scrolled its contents horizontally.
    void OnHScroll();

protected:
    void scrollContentsBy(int dx, int dy) override;
    void insertFromMimeData(const QMimeData* source) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    QMimeData* createMimeDataFromSelection() const override;

private:
    // Width at which the document wraps, as the editor would use it once shown.
    int WrapWidth() const;
    // Makes the document's line layout complete and current for WrapWidth(),
    // also for an editor that has never been shown.
    void EnsureLaidOut() const;
    // Lines of one block as laid out (at least one, even for an empty block).
    static int BlockLines(const QTextBlock& block);
    // True when the document's very last displayed line is empty.
    bool EndsWithEmptyLine() const;

    // Wrapping at word boundaries takes time quadratic in the length of a
    // word, so text holding an extremely long run without blanks (a pasted
    // hash or base64 block) is wrapped anywhere until that run is gone.
    void WrapAnywhereFor(const QString& text);
    void OnContentsChange(int position, int removed, int added);
    bool DocumentHasLongRun() const;
    bool wrapsLongRun_ = false;
};
