#include "windows/About.h"

#include "resources/Fonts.h"
#include "resources/Glyphs.h"
#include "resources/ScreenCentre.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace {

constexpr int kTextPixels = 17;

const QString CopyrightText = QStringLiteral("Copyright (c) 2026 The Dentiplot developers");
const QString ConditionsAddress = QStringLiteral("https://dentiplot.example.org/conditions");
const QString ProgrammingCredit = QStringLiteral("Programming: the Dentiplot development team");
const QString ManualCredit = QStringLiteral("Manual: the Dentiplot teaching team");
const QString ContactAddress = QStringLiteral("info@example.org");

// Black text whatever the desktop's colour scheme.
QPalette BlackText(QPalette palette) {
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    return palette;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About Dentiplot"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(584, 498);
    setFont(SerifFont(kTextPixels));
    setPalette(BlackText(palette()));

    CreatePanel();
    CreateHeading();
    CreateConditions();
    CreatePurpose();
    CreateContact();

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(217, 449, 87, 34);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    OKButton->setFocus();
}

void TAboutBox::setVisible(bool visible) {
    if (visible) {
        CentreOnScreen(*this);
        OKButton->setFocus();
    }
    QDialog::setVisible(visible);
}

void TAboutBox::CreatePanel() {
    // An etched frame: lowered outer and raised inner bevel.
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setMidLineWidth(0);
    Panel1->setGeometry(14, 16, 571, 419);
}

void TAboutBox::CreateHeading() {
    // The icon is drawn square and stretched to its box.
    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(16, 14, 93, 81);
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setPixmap(::ProgramIcon().pixmap(QSize(93, 93), devicePixelRatioF()));

    ProductName = AddLabel(QStringLiteral("ProductName"), QStringLiteral("Dentiplot "), {136, 20});
    Version = AddLabel(QStringLiteral("Version"), QStringLiteral("Version 3.00 "), {134, 57});
    Label6 = AddLabel(QStringLiteral("Label6"), QStringLiteral("Internet version"), {290, 26});
    Label5 = AddLabel(QStringLiteral("Label5"), QStringLiteral("Res. 1024*768"), {290, 55});
    Copyright = AddLabel(QStringLiteral("Copyright"), CopyrightText, {16, 109});
}

void TAboutBox::CreateConditions() {
    Label7 = AddLabel(QStringLiteral("Label7"),
                      QStringLiteral("Special conditions for use of the Internet version, see:"),
                      {16, 128});
    Edit1 = AddReadOnlyLine(QStringLiteral("Edit1"), ConditionsAddress, QRect(16, 150, 547, 21));
}

void TAboutBox::CreatePurpose() {
    // One paragraph in two labels, broken after "A further".
    Label1 = AddWrappedLabel(
        QStringLiteral("Label1"),
        QStringLiteral("This educational program was developed for better understanding of the "
                       "multifactorial disease dental caries. It illustrates the \"caries risk\" "
                       "and possible interactions between caries related factors. A further"),
        QRect(16, 171, 489, 57));
    Label2 = AddWrappedLabel(
        QStringLiteral("Label2"),
        QStringLiteral("purpose is to encourage preventive measures before new cavities will "
                       "occur. The program cannot replace the personal professional judgement of "
                       "the caries risk."),
        QRect(16, 229, 474, 57));
    Comments =
        AddWrappedLabel(QStringLiteral("Comments"), ProgrammingCredit, QRect(16, 287, 415, 0));
    Comments->resize(415, Comments->heightForWidth(415));
    Label4 = AddWrappedLabel(QStringLiteral("Label4"), ManualCredit, QRect(16, 312, 421, 38));
}

void TAboutBox::CreateContact() {
    Label3 = AddLabel(QStringLiteral("Label3"), QStringLiteral("E-mail:"), {16, 391});
    Edit2 = AddReadOnlyLine(QStringLiteral("Edit2"), ContactAddress, QRect(68, 390, 239, 27));
}

QLabel* TAboutBox::AddLabel(const QString& objectName, const QString& text, const QPoint& place) {
    auto* label = new QLabel(text, Panel1);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->move(place);
    label->adjustSize();
    return label;
}

QLabel* TAboutBox::AddWrappedLabel(const QString& objectName, const QString& text,
                                   const QRect& place) {
    auto* label = new QLabel(text, Panel1);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    // The box is made for three lines of the original face; a face with more
    // line spacing gets the few extra pixels, so no line is cut off.
    const int needed = label->heightForWidth(place.width());
    label->setGeometry(place.adjusted(0, 0, 0, std::max(0, needed - place.height())));
    return label;
}

QLineEdit* TAboutBox::AddReadOnlyLine(const QString& objectName, const QString& text,
                                      const QRect& place) {
    // Borderless on the button face, so it reads as text but can be selected
    // and copied.
    auto* line = new QLineEdit(text, Panel1);
    line->setObjectName(objectName);
    line->setReadOnly(true);
    line->setFrame(false);
    line->setFocusPolicy(Qt::ClickFocus);
    QPalette face = line->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    line->setPalette(face);
    line->setGeometry(place);
    line->setCursorPosition(0);
    return line;
}
