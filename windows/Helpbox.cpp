#include "windows/Helpbox.h"

#include "resources/Fonts.h"
#include "resources/ScreenCentre.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr int kBevelWidth = 2;

} // namespace

QStringList THelpBox1::HelpLines() {
    // The blanks at both ends of the lines are part of the layout of the text.
    return {
        QStringLiteral("  Add relevant figures in the boxes to the right. Use arrows "),
        QStringLiteral("  \"Up\" or \"Down\" (if no figure in the box, start with \"Up\" "),
        QStringLiteral("  arrow). When seven or more figures have been entered, a "),
        QStringLiteral("  Dentiplot will appear in the middle of the screen. A quick "),
        QStringLiteral("  reference to what the figures indicate is shown if you move "),
        QStringLiteral("  the cursor to point at the respective ranges, 0-3 or 0-2."),
        QStringLiteral("  For all parameters, \"0\" is best value and \"3\" (or \"2\" where"),
        QStringLiteral("  2 is maximum) is the most unfavourable value."),
        QStringLiteral(""),
        QStringLiteral("  There are several \"Hints\" in the program. Point at the "),
        QStringLiteral("  related texts."),
        QStringLiteral(""),
        QStringLiteral(
            "  \"Clin judgement\" is preset to value \"1\".  That value will let        "),
        QStringLiteral("  the other parameters express the \"Chance to avoid new          "),
        QStringLiteral("  cavities\" according to the program.  If you have reasons to     "),
        QStringLiteral("  believe \"Chances\" are better or worse in relation to what "),
        QStringLiteral("  the programme presents when all other values have been "),
        QStringLiteral("  entered, change to lower (0) or higher values (2 or 3) "),
        QStringLiteral("  respectively.    "),
        QStringLiteral(""),
        QStringLiteral("  It is a favourable situation if  the Green sector  (Chance to "),
        QStringLiteral("  avoid new cavities) is large. A Green sector of 80% or "),
        QStringLiteral("  more would indicate a very good chance to avoid cavities "),
        QStringLiteral("  the coming year, if conditions are unchanged. A Green "),
        QStringLiteral("  sector of 20% or less indicates a very high caries risk."),
        QStringLiteral(""),
        QStringLiteral("  The Dentiplot expresses caries risk only. It does not "),
        QStringLiteral("  take into account problems such as fractures of teeth or "),
        QStringLiteral("  fillings, discolorations etc which  may make new fillings "),
        QStringLiteral("  necessary."),
    };
}

THelpBox1::THelpBox1(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HelpBox1"));
    setWindowTitle(QStringLiteral("Help"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(486, 397);

    // An etched frame: lowered outer and raised inner bevel.
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setMidLineWidth(0);
    Panel1->setGeometry(16, 12, 453, 319);

    Memo1 = new QPlainTextEdit(Panel1);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(
        Panel1->rect().adjusted(kBevelWidth, kBevelWidth, -kBevelWidth, -kBevelWidth));
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setFont(SerifFont(17));
    QPalette face = Memo1->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    face.setColor(QPalette::Text, Qt::black);
    Memo1->setPalette(face);
    Memo1->setPlainText(HelpLines().join(QLatin1Char('\n')));

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setFont(SansFont(16));
    OKButton->setGeometry(190, 346, 101, 36);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    OKButton->setFocus();
}

void THelpBox1::setVisible(bool visible) {
    if (visible) {
        CentreOnScreen(*this);
        // Each opening starts at the top of the guide with OK active.
        Memo1->moveCursor(QTextCursor::Start);
        OKButton->setFocus();
    }
    QDialog::setVisible(visible);
}
