#pragma once

// The notes dialog: four identification fields (name, ident. no., date,
// examiner) and a multi-line comment with a page indicator. Created once at
// program start and shown modally; it holds no values of its own between
// openings: each opening loads it from the notes store, and only OK writes it
// back (see NotesCommand.h).

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class TSRichEdit;
struct NotesStore;

class TPatientIdent : public QDialog {
    Q_OBJECT

public:
    explicit TPatientIdent(QWidget* parent = nullptr);

    // Fills the four fields and the comment (as plain text lines) from `store`
    // and shows the page indicator for the loaded comment.
    void LoadFrom(const NotesStore& store);

    // Writes the four fields, each cut to its capacity in characters (never
    // half of one), and the comment's displayed lines (formatting dropped)
    // into `store`.
    void StoreInto(NotesStore& store) const;

    // Sets the page indicator back to "Page 1/1", as for an empty comment.
    void ResetPageIndicator();

    // Refreshes the page indicator from the comment's caret line and line
    // count; runs after every key release in the comment.
    void SRichEdit1KeyUp();

    QLineEdit* Edit1 = nullptr; // name
    QLineEdit* Edit2 = nullptr; // ident. no.
    QLineEdit* Edit3 = nullptr; // date
    QLineEdit* Edit4 = nullptr; // examiner
    TSRichEdit* SRichEdit1 = nullptr;
    QLabel* Label6 = nullptr; // page indicator
    QPushButton* OKBtn = nullptr;
    QPushButton* Cancel = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

public slots:
    void setVisible(bool visible) override;

private:
    void CreateFrames();
    void CreateFields();
    void CreateComment();
    void CreateButtons();
    QLabel* AddLabel(const QString& objectName, const QString& text, int left, int top);
    QLineEdit* AddEdit(const QString& objectName, int limit, const QRect& place);
};
