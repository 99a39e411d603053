#include "notes/TRECode.h"

#include <QAbstractTextDocumentLayout>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextLayout>
#include <algorithm>

namespace {

// Text of a plain-text paste with every kind of line end turned into '\n'.
QString NormalisedLineEnds(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// Plain text carried by `source`: its text, or the text of its HTML when it
// carries nothing else.
QString PlainTextOf(const QMimeData* source) {
    if (source->hasText()) {
        return NormalisedLineEnds(source->text());
    }
    if (source->hasHtml()) {
        return NormalisedLineEnds(QTextDocumentFragment::fromHtml(source->html()).toPlainText());
    }
    return {};
}

// One displayed line as stored text: no soft line break, non-breaking blanks as
// ordinary blanks.
QString StoredText(QString text) {
    text.remove(QChar::LineSeparator);
    text.remove(QChar::ParagraphSeparator);
    text.replace(QChar::Nbsp, QLatin1Char(' '));
    return text;
}

// Characters without a blank beyond which a run is wrapped anywhere: such a
// run is many times wider than any line, so it is broken inside in any case.
constexpr int kLongRunLength = 2000;

bool HasLongRun(const QString& text) {
    int run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run >= kLongRunLength) {
            return true;
        }
    }
    return false;
}

} // namespace

TSRichEdit::TSRichEdit(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(false);
    connect(document(), &QTextDocument::contentsChange, this, &TSRichEdit::OnContentsChange);
}

int TSRichEdit::CaretLine() const {
    EnsureLaidOut();
    const int position = textCursor().selectionStart();
    const QTextBlock caretBlock = document()->findBlock(position);
    int line = 0;
    for (QTextBlock block = document()->begin(); block.isValid() && block != caretBlock;
         block = block.next()) {
        line += BlockLines(block);
    }
    if (const QTextLayout* layout = caretBlock.layout(); layout != nullptr) {
        const QTextLine caretLine = layout->lineForTextPosition(position - caretBlock.position());
        if (caretLine.isValid()) {
            line += caretLine.lineNumber();
        }
    }
    return line;
}

int TSRichEdit::LineCount() const {
    EnsureLaidOut();
    int count = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        count += BlockLines(block);
    }
    return EndsWithEmptyLine() ? count - 1 : count;
}

QStringList TSRichEdit::DisplayedLines() const {
    EnsureLaidOut();
    QStringList lines;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        const QString text = block.text();
        if (layout == nullptr || layout->lineCount() == 0) {
            lines << StoredText(text);
            continue;
        }
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines << StoredText(text.mid(line.textStart(), line.textLength()));
        }
    }
    if (EndsWithEmptyLine()) {
        lines.removeLast();
    }
    return lines;
}

void TSRichEdit::scrollContentsBy(int dx, int dy) {
    QTextEdit::scrollContentsBy(dx, dy);
    if (dy != 0) {
        emit OnVScroll();
    }
    if (dx != 0) {
        emit OnHScroll();
    }
}

void TSRichEdit::insertFromMimeData(const QMimeData* source) {
    // Whatever the source offers, only its plain text arrives, in the
    // editor's own character format.
    const QString text = PlainTextOf(source);
    if (!text.isEmpty()) {
        WrapAnywhereFor(text); // before the insertion lays the text out
        textCursor().insertText(text);
        ensureCursorVisible();
    }
}

bool TSRichEdit::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasText() || source->hasHtml();
}

QMimeData* TSRichEdit::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    data->setText(textCursor().selection().toPlainText());
    return data;
}

int TSRichEdit::WrapWidth() const {
    if (lineWrapMode() == FixedPixelWidth) {
        return lineWrapColumnOrWidth();
    }
    if (!testAttribute(Qt::WA_PendingResizeEvent)) {
        return viewport()->width();
    }
    // Never shown: the viewport has not been fitted to the editor yet, so
    // work out the width it will get.
    const QMargins margins = viewportMargins();
    int width = contentsRect().width() - margins.left() - margins.right();
    if (verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn) {
        width -= verticalScrollBar()->sizeHint().width();
    }
    return std::max(width, 0);
}

void TSRichEdit::EnsureLaidOut() const {
    QTextDocument* doc = document();
    if (lineWrapMode() == WidgetWidth || lineWrapMode() == FixedPixelWidth) {
        const qreal width = WrapWidth();
        if (doc->textWidth() != width) {
            doc->setTextWidth(width);
        }
    }
    // Large documents are laid out piecewise in idle time; asking for the
    // size finishes the layout now.
    doc->documentLayout()->documentSize();
}

int TSRichEdit::BlockLines(const QTextBlock& block) {
    const QTextLayout* layout = block.layout();
    return layout == nullptr ? 1 : std::max(layout->lineCount(), 1);
}

bool TSRichEdit::EndsWithEmptyLine() const {
    const QTextBlock last = document()->lastBlock();
    const QTextLayout* layout = last.layout();
    if (layout == nullptr || layout->lineCount() == 0) {
        return last.text().isEmpty();
    }
    return layout->lineAt(layout->lineCount() - 1).textLength() == 0;
}

void TSRichEdit::WrapAnywhereFor(const QString& text) {
    if (!wrapsLongRun_ && wordWrapMode() == QTextOption::WrapAtWordBoundaryOrAnywhere &&
        HasLongRun(text)) {
        wrapsLongRun_ = true;
        setWordWrapMode(QTextOption::WrapAnywhere);
    }
}

void TSRichEdit::OnContentsChange(int position, int removed, int added) {
    if (!wrapsLongRun_) {
        // Typed or loaded text can hold a long run too; only the blocks that
        // changed need a look.
        const QTextBlock last = document()->findBlock(position + added);
        for (QTextBlock block = document()->findBlock(position); block.isValid() && !wrapsLongRun_;
             block = block.next()) {
            WrapAnywhereFor(block.text());
            if (block == last) {
                break;
            }
        }
        return;
    }
    if (removed > 0 && !DocumentHasLongRun()) {
        wrapsLongRun_ = false;
        setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    }
}

bool TSRichEdit::DocumentHasLongRun() const {
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (HasLongRun(block.text())) {
            return true;
        }
    }
    return false;
}
