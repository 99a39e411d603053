#include "mainwindow/My_pieForm.h"

#include "mainwindow/FactorRows.h"
#include "mainwindow/Legend.h"
#include "mainwindow/Lines.h"
#include "mainwindow/ScoreEdit.h"
#include "mainwindow/SelectorItems.h"
#include "mainwindow/Shape.h"
#include "mainwindow/SpeedButton.h"
#include "mainwindow/SpinButton.h"
#include "piechart/Pieflytt.h"
#include "resources/Fonts.h"
#include "resources/Glyphs.h"
#include "resources/SectorPalette.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QToolButton>
#include <algorithm>

namespace {

constexpr int kScoreColumnDesignWidth = 224;
constexpr int kToolTipMilliseconds = 25000;
constexpr int kDesignWidth = 790;
constexpr int kDesignHeight = 640;

QFrame* MakePanel(QWidget* parent, const QString& name, QFrame::Shadow shadow) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | shadow);
    panel->setLineWidth(shadow == QFrame::Plain ? 0 : 1);
    return panel;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A toolbar command: the action carries the glyph, the tooltip and the
// shortcut, and the flat button at `left` shows it. The buttons never take
// the focus; the shortcuts reach the commands from anywhere in the window,
// and like the buttons only while the command is enabled.
QAction* MakeCommand(QMainWindow& form, QWidget* toolbar, const QString& buttonName, int left,
                     const QString& tip, Glyph glyph, const QKeySequence& key = {}) {
    const QString oneLine = QString(tip).replace(QLatin1Char('\n'), QLatin1Char(' '));
    auto* action = new QAction(ToolbarGlyph(glyph), oneLine, &form);
    action->setObjectName(buttonName + QStringLiteral("Action"));
    action->setToolTip(tip);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setAutoRepeat(false);
    form.addAction(action);

    auto* button = new TSpeedButton(toolbar);
    button->setObjectName(buttonName);
    button->setGeometry(left, 5, 32, 32);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIconSize(QSize(24, 24));
    button->setDefaultAction(action);
    // Read aloud as one line, with the key that reaches the command.
    button->setAccessibleName(oneLine);
    if (!key.isEmpty()) {
        button->setAccessibleDescription(key.toString(QKeySequence::NativeText));
    }
    return action;
}

QComboBox* MakeSelector(QWidget* parent, const QString& name, int left, const QString& caption) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setAccessibleName(caption);
    // A drop-down box: a text that is none of the items means no selection.
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(SelectorItems::Texts());
    combo->setGeometry(left, 8, 127, 24);
    return combo;
}

} // namespace

void TForm1Ui::SetupUi(QMainWindow& form) {
    form.setObjectName(QStringLiteral("Form1"));
    form.setWindowTitle(QStringLiteral("Dentiplot - Evaluation of the Caries Risk"));
    client = new QWidget(&form);
    client->setObjectName(QStringLiteral("Form1Client"));
    form.setCentralWidget(client);
    form.resize(kDesignWidth, kDesignHeight);
    // The window's layout sizes the client area only when it is shown; until
    // then the panels are placed in the designed client area.
    client->resize(kDesignWidth, kDesignHeight);

    CreateToolbar(form);
    CreateScoreColumn();
    CreateChartArea();
    // The long explanations stay up long enough to be read.
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        if (!widget->toolTip().isEmpty()) {
            widget->setToolTipDuration(kToolTipMilliseconds);
        }
    }
    SetMinimumClientSize(form);
}

void TForm1Ui::CreateToolbar(QMainWindow& form) {
    panel3 = MakePanel(client, QStringLiteral("Panel3"), QFrame::Raised);
    exitAction =
        MakeCommand(form, panel3, QStringLiteral("SpeedButton1"), 7, QStringLiteral("Exit"),
                    Glyph::Exit, QKeySequence(Qt::CTRL | Qt::Key_Q));
    newAction = MakeCommand(form, panel3, QStringLiteral("SpeedButton4"), 40, QStringLiteral("New"),
                            Glyph::New, QKeySequence(Qt::CTRL | Qt::Key_N));
    aboutAction = MakeCommand(form, panel3, QStringLiteral("SpeedButton2"), 73,
                              QStringLiteral("About"), Glyph::About);
    helpAction = MakeCommand(form, panel3, QStringLiteral("SpeedButton3"), 106,
                             QStringLiteral("Help"), Glyph::Help, QKeySequence(Qt::Key_F1));
    notesAction = MakeCommand(form, panel3, QStringLiteral("SpeedButton8"), 139,
                              QStringLiteral("Notes"), Glyph::Notes);
    adviceAction = MakeCommand(form, panel3, QStringLiteral("SpeedButton5"), 172,
                               QStringLiteral("Preliminary interpretation and\nproposed measures"),
                               Glyph::Advice);
    printAction =
        MakeCommand(form, panel3, QStringLiteral("SpeedButton7"), 205, QStringLiteral("Print"),
                    Glyph::Print, QKeySequence(Qt::CTRL | Qt::Key_P));
    printAction->setEnabled(false);

    panel5 = MakePanel(panel3, QStringLiteral("Panel5"), QFrame::Plain);
    CreateSelectors();
}

void TForm1Ui::CreateSelectors() {
    const QFont font = SansFont(13);
    QLabel* countryLabel =
        MakeLabel(panel5, QStringLiteral("CountryAreaLabel"), QStringLiteral("Country/Area"), font);
    countryLabel->setGeometry(36, 12, 84, 16);
    countryLabel->setToolTip(
        Lines({QStringLiteral("COUNTRY/AREA    The examiner may want the"),
               QStringLiteral("Dentiplot to continuously express somewhat higher"),
               QStringLiteral("or lower \"Chance\" than the standard set, without"),
               QStringLiteral("changing the relative impact of factors.")}));
    countryArea =
        MakeSelector(panel5, QStringLiteral("ComboBox2"), 122, QStringLiteral("Country/Area"));
    countryLabel->setBuddy(countryArea);

    QLabel* groupLabel =
        MakeLabel(panel5, QStringLiteral("GroupLabel"), QStringLiteral("Group"), font);
    groupLabel->setGeometry(273, 12, 44, 16);
    groupLabel->setToolTip(
        Lines({QStringLiteral("GROUP   The patient may belong to"),
               QStringLiteral("a \"group\" with higher or lower caries"), QStringLiteral("risk."),
               QStringLiteral("Example: Elderly patients with"),
               QStringLiteral("exposed root surfaces have higher risk.")}));
    group = MakeSelector(panel5, QStringLiteral("ComboBox1"), 318, QStringLiteral("Group"));
    groupLabel->setBuddy(group);
}

void TForm1Ui::CreateScoreColumn() {
    panel2 = MakePanel(client, QStringLiteral("Panel2"), QFrame::Raised);
    panel2->resize(kScoreColumnDesignWidth, kDesignHeight - kToolbarHeight);
    const auto& rows = FactorRows::Rows();
    for (int row = 0; row < FactorRows::kRowCount; ++row) {
        const FactorRows::Row& factor = rows[row];
        const QString number = QString::number(row + 1);
        const int labelTop = factor.top + 11;

        QLabel* label = MakeLabel(panel2, QStringLiteral("FactorLabel") + number, factor.label,
                                  SansFont(factor.labelPixels));
        label->setGeometry(11, labelTop - (factor.labelPixels - 13) / 2, 117,
                           factor.labelPixels + 4);
        label->setToolTip(factor.labelTip);

        auto* edit = new TScoreEdit(panel2);
        edit->setObjectName(QStringLiteral("MaskEdit") + number);
        edit->setFont(SansFont(24));
        edit->setGeometry(129, factor.top, 28, 37);
        edit->setAccessibleName(factor.label);
        edit->setAccessibleDescription(factor.range + QLatin1Char('\n') + factor.rangeTip);
        label->setBuddy(edit);
        edits[row] = edit;
        // "Caries experience" is set with its arrows only; "Clin. judgement"
        // starts at the normal setting, entered into the model at creation.
        edit->setReadOnly(row == 0);
        if (row == FactorRows::kRowCount - 1) {
            edit->setText(QStringLiteral("1"));
        }

        auto* spin = new TSpinButton(panel2);
        spin->setObjectName(QStringLiteral("SpinButton") + number);
        spin->setGeometry(155, factor.top, 25, 37);
        spin->SetFactorName(factor.label);
        spins[row] = spin;

        QLabel* range =
            MakeLabel(panel2, QStringLiteral("RangeLabel") + number, factor.range, SansFont(13));
        range->setGeometry(187, labelTop, 30, 17);
        range->setToolTip(factor.rangeTip);
    }
    OrderKeyboardFocus();
}

void TForm1Ui::OrderKeyboardFocus() {
    // Tab runs down the score column, then to the two selectors. The first
    // row is read-only but keeps its place: its arrow keys set it.
    for (int row = 1; row < FactorRows::kRowCount; ++row) {
        QWidget::setTabOrder(edits[row - 1], edits[row]);
    }
    QWidget::setTabOrder(edits[FactorRows::kRowCount - 1], countryArea);
    QWidget::setTabOrder(countryArea, group);
    // The window opens ready for typing in the first row that takes digits.
    edits[1]->setFocus(Qt::OtherFocusReason);
}

void TForm1Ui::CreateChartArea() {
    panel4 = MakePanel(client, QStringLiteral("Panel4"), QFrame::Raised);

    pie = new TPieFlytt(panel4);
    pie->setObjectName(QStringLiteral("PieFlytt1"));
    pie->setAccessibleName(QStringLiteral("Caries risk chart"));
    pie->setFont(SansFont(20));
    // The data lines come in the order chance, Circumstances, Susceptibility,
    // Bacteria, Diet.
    pie->SetColour1(kSectorColours[SectorIndex::Chance]);
    pie->SetColour2(kSectorColours[SectorIndex::Circumstances]);
    pie->SetColour3(kSectorColours[SectorIndex::Susceptibility]);
    pie->SetColour4(kSectorColours[SectorIndex::Bacteria]);
    pie->SetColour5(kSectorColours[SectorIndex::Diet]);
    pie->SetColour6(QColor(255, 224, 255));

    panel7 = MakePanel(panel4, QStringLiteral("Panel7"), QFrame::Plain);
    panel7->resize(186, 109);
    const QStringList placeholder = {
        QStringLiteral("A Dentiplot will appear"), QStringLiteral("HERE"),
        QStringLiteral("when at least 7 values"), QStringLiteral("have been entered in the"),
        QStringLiteral("boxes to the right")};
    for (int line = 0; line < placeholder.size(); ++line) {
        QLabel* label =
            MakeLabel(panel7, QStringLiteral("PlaceholderLine") + QString::number(line + 1),
                      placeholder[line], SansFont(16));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setGeometry(0, 2 + 21 * line, 186, 21);
    }
    panel7->setAccessibleName(placeholder.join(QLatin1Char(' ')));

    auto* panel12 = MakePanel(panel4, QStringLiteral("Panel12"), QFrame::Plain);
    panel12->setGeometry(8, 8, 173, 131);
    panel12->setAccessibleName(QStringLiteral("Patient identification"));
    // "sbove" is the tooltip's wording as users know it; keep it unchanged.
    panel12->setToolTip(Lines(
        {QStringLiteral("For input of text, press"), QStringLiteral("the button 'Notes' sbove.")}));
    const std::array<int, 4> tops = {10, 42, 75, 107};
    const QStringList captions = {QStringLiteral("Name"), QStringLiteral("Ident.No."),
                                  QStringLiteral("Date"), QStringLiteral("Examiner")};
    for (int i = 0; i < 4; ++i) {
        identLabels[i] = MakeLabel(panel12, QStringLiteral("Label") + QString::number(33 + i),
                                   captions[i], SerifFont(17));
        identLabels[i]->setGeometry(8, tops[i], 160, 21);
    }
    CreateLegend();
}

void TForm1Ui::CreateLegend() {
    panel6 = MakePanel(panel4, QStringLiteral("Panel6"), QFrame::Sunken);
    panel6->setGeometry(8, 0, 185, 183);
    panel6->setAccessibleName(QStringLiteral("Legend"));
    const auto& rows = Legend::Rows();
    for (int i = 0; i < Legend::kRowCount; ++i) {
        QFrame* row = MakePanel(panel6, rows[i].panelName, QFrame::Plain);
        row->setGeometry(2, 2 + 36 * i, 181, 35);
        row->setToolTip(rows[i].tip);
        row->setAccessibleName(rows[i].caption);
        row->setAccessibleDescription(rows[i].tip);
        shapes[i] = new TShape(row);
        shapes[i]->setObjectName(rows[i].shapeName);
        shapes[i]->setGeometry(6, 7, 21, 21);
        QLabel* caption = MakeLabel(row, rows[i].panelName + QStringLiteral("Caption"),
                                    rows[i].caption, SansFont(13));
        caption->setGeometry(34, 0, 145, 35);
        caption->setWordWrap(true);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void TForm1Ui::SetMinimumClientSize(QMainWindow& form) {
    // The smallest window at which no control lies over another and none is
    // cut off: the selector panel, aligned right, starts after the last
    // toolbar button (it would otherwise take the buttons' clicks), and the
    // score column shows its last row whole inside its frame. The chart area
    // beside the column is then tall enough for the identification block
    // above the legend; only the pie and the placeholder shrink further, as
    // the resize rule has them do.
    int buttonsRight = 0;
    for (const QToolButton* button :
         panel3->findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        buttonsRight = std::max(buttonsRight, button->geometry().right() + 1);
    }
    const int width = buttonsRight + kSelectorPanelWidth + 1;
    const int columnHeight = panel2->childrenRect().bottom() + 1 + panel2->frameWidth();
    form.setMinimumSize(width, kToolbarHeight + columnHeight);
}
