#include "notes/InputId.h"

#include "notes/NotesStore.h"
#include "notes/PageCount.h"
#include "notes/TRECode.h"
#include "resources/Characters.h"
#include "resources/Fonts.h"
#include "resources/ScreenCentre.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QValidator>
#include <algorithm>

namespace {

// The dialog's plain sans font at 13 pixels: bold for the dialog and the
// comment, regular for the other controls.
QFont DialogFont(bool bold) {
    QFont font = SansFont(13);
    font.setBold(bold);
    return font;
}

// White field with black text.
QPalette FieldPalette(QPalette palette) {
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    return palette;
}

// Green tick for the OK button; the disabled state is derived from it.
QIcon OkGlyph() {
    QPixmap pixmap(18, 18);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 128, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(3, 9);
    tick.lineTo(7, 14);
    tick.lineTo(15, 4);
    painter.drawPath(tick);
    painter.end();
    return QIcon(pixmap);
}

// The first `count` characters of `text`.
QString LeftCharacters(const QString& text, int count) {
    return text.left(Characters::End(text, count));
}

// Keeps a one-line field to `limit` characters and never keeps half of one.
// What goes beyond the limit is dropped from the end of what was just typed or
// pasted, where the cursor stands, as a length limit drops it; a text set by
// the program keeps its head.
class CharacterLimit final : public QValidator {
public:
    CharacterLimit(int limit, QObject* parent) : QValidator(parent), limit_(limit) {}

    State validate(QString& input, int& pos) const override {
        const QList<qsizetype> boundaries = Characters::Boundaries(input);
        const qsizetype excess = boundaries.size() - 1 - limit_;
        if (excess <= 0) {
            return Acceptable;
        }
        // The characters that end at or before the cursor.
        const qsizetype before =
            std::upper_bound(boundaries.cbegin(), boundaries.cend(), pos) - boundaries.cbegin() - 1;
        if (before >= excess) {
            const qsizetype from = boundaries[before - excess];
            const qsizetype to = boundaries[before];
            input.remove(from, to - from);
            pos -= static_cast<int>(to - from);
        } else {
            input.truncate(boundaries[limit_]);
            pos = std::min(pos, static_cast<int>(input.size()));
        }
        return Acceptable;
    }

private:
    int limit_;
};

QFrame* AddFrame(QWidget* parent, const QString& objectName, QFrame::Shape shape,
                 const QRect& place) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(objectName);
    frame->setFrameShape(shape);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(place);
    return frame;
}

} // namespace

TPatientIdent::TPatientIdent(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PatientIdent"));
    setWindowTitle(QStringLiteral("Notes"));
    setFont(DialogFont(true));
    QPalette blackText = palette();
    blackText.setColor(QPalette::WindowText, Qt::black);
    blackText.setColor(QPalette::ButtonText, Qt::black);
    setPalette(blackText);
    setFixedSize(707, 493);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);

    // Created bottom-up: the frames lie under the controls they surround.
    CreateFrames();
    CreateFields();
    CreateComment();
    CreateButtons();

    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Edit3);
    setTabOrder(Edit3, Edit4);
    setTabOrder(Edit4, SRichEdit1);
    Edit1->setFocus();
}

void TPatientIdent::CreateFrames() {
    AddFrame(this, QStringLiteral("Bevel1"), QFrame::Box, QRect(15, 15, 676, 411));
    AddFrame(this, QStringLiteral("Bevel5"), QFrame::HLine, QRect(18, 74, 673, 2));
    AddFrame(this, QStringLiteral("Bevel4"), QFrame::VLine, QRect(358, 74, 2, 59));
    AddFrame(this, QStringLiteral("Bevel3"), QFrame::HLine, QRect(18, 130, 671, 2));
}

void TPatientIdent::CreateFields() {
    AddLabel(QStringLiteral("Label1"), QStringLiteral("Name"), 34, 39);
    Edit1 = AddEdit(QStringLiteral("Edit1"), NotesStore::kNameCapacity, QRect(98, 34, 223, 24));
    AddLabel(QStringLiteral("Label2"), QStringLiteral("Ident. No"), 379, 43);
    Edit2 = AddEdit(QStringLiteral("Edit2"), NotesStore::kIdentNoCapacity, QRect(464, 36, 186, 24));
    AddLabel(QStringLiteral("Label3"), QStringLiteral("Date"), 34, 96);
    Edit3 = AddEdit(QStringLiteral("Edit3"), NotesStore::kDateCapacity, QRect(99, 92, 162, 24));
    AddLabel(QStringLiteral("Label4"), QStringLiteral("Examiner"), 381, 94);
    Edit4 =
        AddEdit(QStringLiteral("Edit4"), NotesStore::kExaminerCapacity, QRect(467, 88, 184, 24));
}

void TPatientIdent::CreateComment() {
    Label6 = AddLabel(QStringLiteral("Label6"), QString(), 561, 140);
    ResetPageIndicator();

    SRichEdit1 = new TSRichEdit(this);
    SRichEdit1->setObjectName(QStringLiteral("SRichEdit1"));
    SRichEdit1->setFont(DialogFont(true));
    SRichEdit1->setPalette(FieldPalette(SRichEdit1->palette()));
    SRichEdit1->setLineWrapMode(QTextEdit::WidgetWidth);
    SRichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SRichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab leaves the comment for the name field instead of typing a tab.
    SRichEdit1->setTabChangesFocus(true);
    SRichEdit1->setGeometry(44, 160, 623, 255);
    SRichEdit1->installEventFilter(this);
}

void TPatientIdent::CreateButtons() {
    OKBtn = new QPushButton(OkGlyph(), QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setFont(DialogFont(false));
    OKBtn->setGeometry(235, 441, 102, 38);
    OKBtn->setFocusPolicy(Qt::NoFocus);
    OKBtn->setAutoDefault(false);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

    Cancel = new QPushButton(QStringLiteral("Cancel"), this);
    Cancel->setObjectName(QStringLiteral("Cancel"));
    Cancel->setFont(DialogFont(false));
    Cancel->setGeometry(369, 441, 102, 37);
    Cancel->setFocusPolicy(Qt::NoFocus);
    Cancel->setAutoDefault(false);
    connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QLabel* TPatientIdent::AddLabel(const QString& objectName, const QString& text, int left, int top) {
    auto* label = new QLabel(text, this);
    label->setObjectName(objectName);
    label->setFont(DialogFont(false));
    label->move(left, top);
    label->adjustSize();
    return label;
}

QLineEdit* TPatientIdent::AddEdit(const QString& objectName, int limit, const QRect& place) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(objectName);
    edit->setFont(DialogFont(false));
    edit->setPalette(FieldPalette(edit->palette()));
    edit->setValidator(new CharacterLimit(limit, edit));
    edit->setGeometry(place);
    return edit;
}

void TPatientIdent::LoadFrom(const NotesStore& store) {
    Edit1->setText(store.name);
    Edit2->setText(store.identNo);
    Edit3->setText(store.date);
    Edit4->setText(store.examiner);
    // One paragraph per stored line; setting plain text also drops any
    // formatting and undo history left from an earlier opening.
    SRichEdit1->setPlainText(store.lines.join(QLatin1Char('\n')));
    // The indicator describes the comment now shown, not what was typed and
    // cancelled last time.
    SRichEdit1KeyUp();
}

void TPatientIdent::StoreInto(NotesStore& store) const {
    store.name = LeftCharacters(Edit1->text(), NotesStore::kNameCapacity);
    store.identNo = LeftCharacters(Edit2->text(), NotesStore::kIdentNoCapacity);
    store.date = LeftCharacters(Edit3->text(), NotesStore::kDateCapacity);
    store.examiner = LeftCharacters(Edit4->text(), NotesStore::kExaminerCapacity);
    store.lines = SRichEdit1->DisplayedLines();
}

void TPatientIdent::ResetPageIndicator() {
    Label6->setText(PageCount::IndicatorText(0, 0));
    Label6->adjustSize();
}

void TPatientIdent::SRichEdit1KeyUp() {
    Label6->setText(PageCount::IndicatorText(SRichEdit1->CaretLine(), SRichEdit1->LineCount()));
    Label6->adjustSize();
}

bool TPatientIdent::eventFilter(QObject* watched, QEvent* event) {
    if (watched == SRichEdit1 && event->type() == QEvent::KeyRelease) {
        SRichEdit1KeyUp();
    }
    return QDialog::eventFilter(watched, event);
}

void TPatientIdent::setVisible(bool visible) {
    if (visible && !isVisible()) {
        // Centred on the screen rather than over the main window.
        CentreOnScreen(*this);
    }
    QDialog::setVisible(visible);
}
