#include "mainwindow/My_pie.h"

#include "advice/AdviceSelection.h"
#include "advice/Advicedl.h"
#include "mainwindow/ChartLayout.h"
#include "mainwindow/CommandGuard.h"
#include "mainwindow/CommandShortcut.h"
#include "mainwindow/FactorRows.h"
#include "mainwindow/Legend.h"
#include "mainwindow/Lines.h"
#include "mainwindow/PieItems.h"
#include "mainwindow/ScoreEdit.h"
#include "mainwindow/ScoreRules.h"
#include "mainwindow/SelectorItems.h"
#include "mainwindow/Shape.h"
#include "mainwindow/SpeedButton.h"
#include "mainwindow/SpinButton.h"
#include "model/InmBearb.h"
#include "notes/InputId.h"
#include "notes/NotesCommand.h"
#include "piechart/Pieflytt.h"
#include "printing/PrintCommand.h"
#include "printing/Printval.h"
#include "resources/Fonts.h"
#include "resources/Glyphs.h"
#include "resources/SectorPalette.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QToolButton>
#include <algorithm>

namespace {

constexpr int kToolbarHeight = 42;
constexpr int kScoreColumnWidth = 235;
constexpr int kScoreColumnDesignWidth = 224;
constexpr int kSelectorPanelWidth = 448;
constexpr int kToolTipMilliseconds = 25000;
constexpr int kDesignWidth = 790;
constexpr int kDesignHeight = 640;

const QString kStandardSet = SelectorItems::Texts().front();

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

QToolButton* MakeToolButton(QWidget* parent, const QString& name, int left, const QString& tip,
                            Glyph glyph) {
    auto* button = new TSpeedButton(parent);
    button->setObjectName(name);
    button->setGeometry(left, 5, 32, 32);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIcon(ToolbarGlyph(glyph));
    button->setIconSize(QSize(24, 24));
    button->setToolTip(tip);
    // Read aloud as one line: the advice button's two-line hint included.
    button->setAccessibleName(QString(tip).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    return button;
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

// Code of a selector: item position + 1, or 0 when its text names no item.
std::uint8_t SelectionCode(const QComboBox& combo) {
    const int index = combo.findText(combo.currentText(), Qt::MatchExactly);
    return static_cast<std::uint8_t>(index + 1);
}

// The long explanations stay up long enough to be read.
void KeepToolTipsUp(QWidget& root) {
    for (QWidget* widget : root.findChildren<QWidget*>()) {
        if (!widget->toolTip().isEmpty()) {
            widget->setToolTipDuration(kToolTipMilliseconds);
        }
    }
}

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Dentiplot - Evaluation of the Caries Risk"));
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("Form1Client"));
    setCentralWidget(client_);
    resize(kDesignWidth, kDesignHeight);
    // The window's layout sizes the client area only when it is shown; until
    // then the panels are placed in the designed client area.
    client_->resize(kDesignWidth, kDesignHeight);

    CreateToolbar();
    CreateScoreColumn();
    CreateChartArea();
    client_->installEventFilter(this);
    panel4_->installEventFilter(this);
    AlignPanels();
    FormCreate();
    SetMinimumClientSize();
}

TForm1::~TForm1() = default;

void TForm1::CreateToolbar() {
    panel3_ = MakePanel(client_, QStringLiteral("Panel3"), QFrame::Raised);
    const auto add = [this](const QString& name, int left, const QString& tip, Glyph glyph,
                            void (TForm1::*command)()) {
        QToolButton* button = MakeToolButton(panel3_, name, left, tip, glyph);
        connect(button, &QToolButton::clicked, this, [this, command] {
            CommandGuard::Run(this, [this, command] { (this->*command)(); });
        });
        return button;
    };
    QToolButton* exitButton = add(QStringLiteral("SpeedButton1"), 7, QStringLiteral("Exit"),
                                  Glyph::Exit, &TForm1::SpeedButton1Click);
    QToolButton* newButton = add(QStringLiteral("SpeedButton4"), 40, QStringLiteral("New"),
                                 Glyph::New, &TForm1::SpeedButton4Click);
    add(QStringLiteral("SpeedButton2"), 73, QStringLiteral("About"), Glyph::About,
        &TForm1::SpeedButton2Click);
    QToolButton* helpButton = add(QStringLiteral("SpeedButton3"), 106, QStringLiteral("Help"),
                                  Glyph::Help, &TForm1::SpeedButton3Click);
    add(QStringLiteral("SpeedButton8"), 139, QStringLiteral("Notes"), Glyph::Notes,
        &TForm1::SpeedButton8Click);
    adviceButton_ = add(QStringLiteral("SpeedButton5"), 172,
                        QStringLiteral("Preliminary interpretation and\nproposed measures"),
                        Glyph::Advice, &TForm1::SpeedButton5Click);
    printButton_ = add(QStringLiteral("SpeedButton7"), 205, QStringLiteral("Print"), Glyph::Print,
                       &TForm1::SpeedButton7Click);
    printButton_->setEnabled(false);

    // The buttons never take the focus; these keys reach their commands.
    new TCommandShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), exitButton, this);
    new TCommandShortcut(QKeySequence(Qt::CTRL | Qt::Key_N), newButton, this);
    new TCommandShortcut(QKeySequence(Qt::Key_F1), helpButton, this);
    new TCommandShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), printButton_, this);

    panel5_ = MakePanel(panel3_, QStringLiteral("Panel5"), QFrame::Plain);
    CreateSelectors(panel5_);
}

void TForm1::CreateSelectors(QFrame* panel5) {
    const QFont font = SansFont(13);
    QLabel* countryLabel =
        MakeLabel(panel5, QStringLiteral("CountryAreaLabel"), QStringLiteral("Country/Area"), font);
    countryLabel->setGeometry(36, 12, 84, 16);
    countryLabel->setToolTip(
        Lines({QStringLiteral("COUNTRY/AREA    The examiner may want the"),
               QStringLiteral("Dentiplot to continuously express somewhat higher"),
               QStringLiteral("or lower \"Chance\" than the standard set, without"),
               QStringLiteral("changing the relative impact of factors.")}));
    countryArea_ =
        MakeSelector(panel5, QStringLiteral("ComboBox2"), 122, QStringLiteral("Country/Area"));
    countryLabel->setBuddy(countryArea_);

    QLabel* groupLabel =
        MakeLabel(panel5, QStringLiteral("GroupLabel"), QStringLiteral("Group"), font);
    groupLabel->setGeometry(273, 12, 44, 16);
    groupLabel->setToolTip(
        Lines({QStringLiteral("GROUP   The patient may belong to"),
               QStringLiteral("a \"group\" with higher or lower caries"), QStringLiteral("risk."),
               QStringLiteral("Example: Elderly patients with"),
               QStringLiteral("exposed root surfaces have higher risk.")}));
    group_ = MakeSelector(panel5, QStringLiteral("ComboBox1"), 318, QStringLiteral("Group"));
    groupLabel->setBuddy(group_);

    connect(countryArea_, &QComboBox::currentTextChanged, this,
            [this] { CommandGuard::Run(this, [this] { ComboBox2Change(); }); });
    connect(group_, &QComboBox::currentTextChanged, this,
            [this] { CommandGuard::Run(this, [this] { ComboBox1Change(); }); });
}

void TForm1::CreateScoreColumn() {
    panel2_ = MakePanel(client_, QStringLiteral("Panel2"), QFrame::Raised);
    panel2_->resize(kScoreColumnDesignWidth, kDesignHeight - kToolbarHeight);
    const auto& rows = FactorRows::Rows();
    for (int row = 0; row < FactorRows::kRowCount; ++row) {
        const FactorRows::Row& factor = rows[row];
        const QString number = QString::number(row + 1);
        const int labelTop = factor.top + 11;

        QLabel* label = MakeLabel(panel2_, QStringLiteral("FactorLabel") + number, factor.label,
                                  SansFont(factor.labelPixels));
        label->setGeometry(11, labelTop - (factor.labelPixels - 13) / 2, 117,
                           factor.labelPixels + 4);
        label->setToolTip(factor.labelTip);

        auto* edit = new TScoreEdit(panel2_);
        edit->setObjectName(QStringLiteral("MaskEdit") + number);
        edit->setFont(SansFont(24));
        edit->setGeometry(129, factor.top, 28, 37);
        edit->setAccessibleName(factor.label);
        edit->setAccessibleDescription(factor.range + QLatin1Char('\n') + factor.rangeTip);
        label->setBuddy(edit);
        edits_[row] = edit;
        // "Caries experience" is set with its arrows only; "Clin. judgement"
        // starts at the normal setting, entered into the model at creation.
        edit->setReadOnly(row == 0);
        if (row == FactorRows::kRowCount - 1) {
            edit->setText(QStringLiteral("1"));
        }

        auto* spin = new TSpinButton(panel2_);
        spin->setObjectName(QStringLiteral("SpinButton") + number);
        spin->setGeometry(155, factor.top, 25, 37);
        spin->SetFactorName(factor.label);
        spins_[row] = spin;

        QLabel* range =
            MakeLabel(panel2_, QStringLiteral("RangeLabel") + number, factor.range, SansFont(13));
        range->setGeometry(187, labelTop, 30, 17);
        range->setToolTip(factor.rangeTip);
        ConnectRow(row);
    }
    OrderKeyboardFocus();
}

void TForm1::OrderKeyboardFocus() {
    // Tab runs down the score column, then to the two selectors. The first
    // row is read-only but keeps its place: its arrow keys set it.
    for (int row = 1; row < FactorRows::kRowCount; ++row) {
        setTabOrder(edits_[row - 1], edits_[row]);
    }
    setTabOrder(edits_[FactorRows::kRowCount - 1], countryArea_);
    setTabOrder(countryArea_, group_);
    // The window opens ready for typing in the first row that takes digits.
    edits_[1]->setFocus(Qt::OtherFocusReason);
}

void TForm1::ConnectRow(int row) {
    TScoreEdit* edit = edits_[row];
    const int maximum = FactorRows::Rows()[row].maximum;
    const int index = row + 1;
    connect(edit, &QLineEdit::textChanged, this,
            [this, edit, maximum, index] { CheckScoreEdit(edit, maximum, index); });
    // The exit check runs once the focus has settled on the next control, so
    // a message box never opens in the middle of a focus change.
    connect(
        edit, &TScoreEdit::exited, this,
        [this, edit, maximum, index] {
            if (!reportingEntryError_) {
                CheckScoreEdit(edit, maximum, index);
            }
        },
        Qt::QueuedConnection);
    connect(spins_[row], &TSpinButton::upClick, this,
            [this, edit, maximum] { StepScoreUp(edit, maximum); });
    connect(spins_[row], &TSpinButton::downClick, this, [this, edit] { StepScoreDown(edit); });
    // The arrow keys in the edit step it as its spin arrows do.
    connect(edit, &TScoreEdit::upKey, this, [this, edit, maximum] { StepScoreUp(edit, maximum); });
    connect(edit, &TScoreEdit::downKey, this, [this, edit] { StepScoreDown(edit); });
}

void TForm1::CreateChartArea() {
    panel4_ = MakePanel(client_, QStringLiteral("Panel4"), QFrame::Raised);

    pie_ = new TPieFlytt(panel4_);
    pie_->setObjectName(QStringLiteral("PieFlytt1"));
    pie_->setAccessibleName(QStringLiteral("Caries risk chart"));
    pie_->setFont(SansFont(20));
    // The data lines come in the order chance, Circumstances, Susceptibility,
    // Bacteria, Diet.
    pie_->SetColour1(SectorColours[SectorIndex::Chance]);
    pie_->SetColour2(SectorColours[SectorIndex::Circumstances]);
    pie_->SetColour3(SectorColours[SectorIndex::Susceptibility]);
    pie_->SetColour4(SectorColours[SectorIndex::Bacteria]);
    pie_->SetColour5(SectorColours[SectorIndex::Diet]);
    pie_->SetColour6(QColor(255, 224, 255));

    panel7_ = MakePanel(panel4_, QStringLiteral("Panel7"), QFrame::Plain);
    panel7_->resize(186, 109);
    const QStringList placeholder = {
        QStringLiteral("A Dentiplot will appear"), QStringLiteral("HERE"),
        QStringLiteral("when at least 7 values"), QStringLiteral("have been entered in the"),
        QStringLiteral("boxes to the right")};
    for (int line = 0; line < placeholder.size(); ++line) {
        QLabel* label =
            MakeLabel(panel7_, QStringLiteral("PlaceholderLine") + QString::number(line + 1),
                      placeholder[line], SansFont(16));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setGeometry(0, 2 + 21 * line, 186, 21);
    }
    panel7_->setAccessibleName(placeholder.join(QLatin1Char(' ')));

    auto* panel12 = MakePanel(panel4_, QStringLiteral("Panel12"), QFrame::Plain);
    panel12->setGeometry(8, 8, 173, 131);
    panel12->setAccessibleName(QStringLiteral("Patient identification"));
    // "sbove" is the tooltip's wording as users know it; keep it unchanged.
    panel12->setToolTip(Lines(
        {QStringLiteral("For input of text, press"), QStringLiteral("the button 'Notes' sbove.")}));
    const std::array<int, 4> tops = {10, 42, 75, 107};
    const QStringList captions = {QStringLiteral("Name"), QStringLiteral("Ident.No."),
                                  QStringLiteral("Date"), QStringLiteral("Examiner")};
    for (int i = 0; i < 4; ++i) {
        identLabels_[i] = MakeLabel(panel12, QStringLiteral("Label") + QString::number(33 + i),
                                    captions[i], SerifFont(17));
        identLabels_[i]->setGeometry(8, tops[i], 160, 21);
    }
    CreateLegend(panel4_);
}

void TForm1::CreateLegend(QWidget* chartArea) {
    panel6_ = MakePanel(chartArea, QStringLiteral("Panel6"), QFrame::Sunken);
    panel6_->setGeometry(8, 0, 185, 183);
    panel6_->setAccessibleName(QStringLiteral("Legend"));
    const auto& rows = Legend::Rows();
    for (int i = 0; i < Legend::kRowCount; ++i) {
        QFrame* row = MakePanel(panel6_, rows[i].panelName, QFrame::Plain);
        row->setGeometry(2, 2 + 36 * i, 181, 35);
        row->setToolTip(rows[i].tip);
        row->setAccessibleName(rows[i].caption);
        row->setAccessibleDescription(rows[i].tip);
        shapes_[i] = new TShape(row);
        shapes_[i]->setObjectName(rows[i].shapeName);
        shapes_[i]->setGeometry(6, 7, 21, 21);
        QLabel* caption = MakeLabel(row, rows[i].panelName + QStringLiteral("Caption"),
                                    rows[i].caption, SansFont(13));
        caption->setGeometry(34, 0, 145, 35);
        caption->setWordWrap(true);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void TForm1::FormCreate() {
    KeepToolTipsUp(*this);
    const QScreen* screen = QGuiApplication::primaryScreen();
    displayDepth_ = screen != nullptr ? screen->depth() : 32;
    screenWidth_ = screen != nullptr ? screen->geometry().width() : 1024;
    pie_->SetDisplayDepth(displayDepth_);

    InmBearb::SetCountryArea(1);
    InmBearb::SetGroup(1);
    notes_.Clear();
    {
        const QSignalBlocker blockCountry(countryArea_);
        const QSignalBlocker blockGroup(group_);
        countryArea_->setCurrentIndex(0);
        group_->setCurrentIndex(0);
    }
    CheckScoreEdit(edits_[9], FactorRows::Rows()[9].maximum, 10);

    // The first layout, in the designed chart area; widening the score
    // column right after resizes the chart area, which lays it out again.
    ApplyChartLayout(true);
    panel2_->resize(kScoreColumnWidth, panel2_->height());
    AlignPanels();
    ColourLegend();
}

void TForm1::SetMinimumClientSize() {
    // The smallest window at which no control lies over another and none is
    // cut off: the selector panel, aligned right, starts after the last
    // toolbar button (it would otherwise take the buttons' clicks), and the
    // score column shows its last row whole inside its frame. The chart area
    // beside the column is then tall enough for the identification block
    // above the legend; only the pie and the placeholder shrink further, as
    // the resize rule has them do.
    int buttonsRight = 0;
    for (const QToolButton* button :
         panel3_->findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        buttonsRight = std::max(buttonsRight, button->geometry().right() + 1);
    }
    const int width = buttonsRight + kSelectorPanelWidth + 1;
    const int columnHeight = panel2_->childrenRect().bottom() + 1 + panel2_->frameWidth();
    setMinimumSize(width, kToolbarHeight + columnHeight);
}

void TForm1::AttachWindows(const Windows& windows) {
    windows_ = windows;
}

void TForm1::SetScreenWidth(int pixels) {
    screenWidth_ = pixels;
    Panel4Resize();
}

void TForm1::SetDisplayDepth(int bitsPerPixel) {
    displayDepth_ = bitsPerPixel;
    pie_->SetDisplayDepth(bitsPerPixel);
    ColourLegend();
}

void TForm1::ColourLegend() {
    const auto squares = Legend::Squares(displayDepth_);
    for (int i = 0; i < Legend::kRowCount; ++i) {
        shapes_[i]->SetBrushColour(squares[i].brush);
        shapes_[i]->SetPen(squares[i].pen, squares[i].penWidth);
    }
}

void TForm1::AlignPanels() {
    // The toolbar spans the top, the score column the right edge below it,
    // and the chart area takes the rest.
    const int width = client_->width();
    const int height = client_->height();
    const int columnWidth = panel2_->width();
    panel3_->setGeometry(0, 0, width, kToolbarHeight);
    panel5_->setGeometry(width - 1 - kSelectorPanelWidth, 1, kSelectorPanelWidth,
                         kToolbarHeight - 2);
    const int below = height - kToolbarHeight;
    panel2_->setGeometry(width - columnWidth, kToolbarHeight, columnWidth, below);
    panel4_->setGeometry(0, kToolbarHeight, width - columnWidth, below);
}

void TForm1::ApplyChartLayout(bool firstTime) {
    ChartLayout::Input input;
    input.chartArea = panel4_->size();
    input.legend = panel6_->size();
    input.placeholder = panel7_->size();
    input.screenWidth = screenWidth_;
    input.firstTime = firstTime;
    const ChartLayout::Result layout = ChartLayout::Compute(input);
    panel6_->move(panel6_->x(), layout.legendTop);
    pie_->setGeometry(layout.pie);
    panel7_->move(layout.placeholder);
}

void TForm1::Panel4Resize() {
    ApplyChartLayout(false);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        if (watched == client_) {
            AlignPanels();
        } else if (watched == panel4_) {
            Panel4Resize();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) {
        emit closed();
    }
}

std::array<QString, InmBearb::RiskModel::FactorCount> TForm1::ScoreTexts() const {
    std::array<QString, InmBearb::RiskModel::FactorCount> texts;
    for (int i = 0; i < FactorRows::kRowCount; ++i) {
        texts[i] = edits_[i]->text();
    }
    return texts;
}

void TForm1::PaintPie(std::uint8_t missing) {
    const bool show =
        PieItems::ChartMayShow(missing, InmBearb::GetCountryArea(), InmBearb::GetGroup());
    panel7_->setVisible(!show);
    pie_->setVisible(show);
    printButton_->setEnabled(show);
    adviceButton_->setEnabled(show);
    if (show) {
        const InmBearb::SectorShares shares{
            InmBearb::ChancePercent(), InmBearb::DietPercent(), InmBearb::BacteriaPercent(),
            InmBearb::SusceptibilityPercent(), InmBearb::CircumstancesPercent()};
        const QStringList items = PieItems::Items(shares);
        pie_->LoadItems(items);
        pie_->setAccessibleDescription(PieItems::Description(items));
    } else {
        // The data stay for the next showing, but a hidden chart tells nothing.
        pie_->setAccessibleDescription(QString());
    }
}

void TForm1::CheckScoreEdit(QLineEdit* edit, int maximum, int index) {
    const QString text = edit->text();
    const ScoreRules::Verdict verdict = ScoreRules::Check(text, maximum);
    if (ScoreRules::Rejected(verdict)) {
        ReportEntryError(edit, ScoreRules::Message(verdict));
        return;
    }
    const std::uint8_t missing =
        InmBearb::EnterScore(static_cast<std::uint8_t>(index), text.toStdString());
    PaintPie(missing);
}

void TForm1::ReportEntryError(QLineEdit* edit, const QString& message) {
    // One message per rejected entry: while the box is up, focus changes
    // caused by the box itself raise no further checks.
    if (reportingEntryError_) {
        return;
    }
    reportingEntryError_ = true;
    QMessageBox box(QMessageBox::Critical, QString(), message, QMessageBox::Ok, this);
    box.exec();
    // Back to the window and the edit, so the entry can be corrected at once.
    edit->window()->activateWindow();
    edit->setFocus(Qt::OtherFocusReason);
    reportingEntryError_ = false;
}

bool TForm1::ReportRejectedScore() {
    // An edit may still hold a character its check refused, while the model
    // kept the factor's previous value. Advice and printout read the edits, so
    // they would contradict the chart: the entry is reported again instead,
    // the first such row in factor order, and the command does not start.
    for (int row = 0; row < FactorRows::kRowCount; ++row) {
        const ScoreRules::Verdict verdict =
            ScoreRules::Check(edits_[row]->text(), FactorRows::Rows()[row].maximum);
        if (ScoreRules::Rejected(verdict)) {
            ReportEntryError(edits_[row], ScoreRules::Message(verdict));
            return true;
        }
    }
    return false;
}

void TForm1::StepScoreUp(QLineEdit* edit, int maximum) {
    edit->setFocus(Qt::OtherFocusReason);
    // The change handler validates and enters the new text.
    edit->setText(ScoreRules::StepUp(edit->text(), maximum));
}

void TForm1::StepScoreDown(QLineEdit* edit) {
    edit->setFocus(Qt::OtherFocusReason);
    edit->setText(ScoreRules::StepDown(edit->text()));
}

void TForm1::ComboBox2Change() {
    InmBearb::SetCountryArea(SelectionCode(*countryArea_));
    CheckScoreEdit(edits_[0], FactorRows::Rows()[0].maximum, 1);
}

void TForm1::ComboBox1Change() {
    InmBearb::SetGroup(SelectionCode(*group_));
    CheckScoreEdit(edits_[0], FactorRows::Rows()[0].maximum, 1);
}

void TForm1::SpeedButton1Click() {
    close();
}

void TForm1::SpeedButton2Click() {
    if (windows_.about != nullptr) {
        windows_.about->exec();
    }
}

void TForm1::SpeedButton3Click() {
    if (windows_.help != nullptr) {
        windows_.help->exec();
    }
}

void TForm1::SpeedButton4Click() {
    // "New" writes "Ident.No" without the full stop of the start-up caption,
    // as users know it; keep it so.
    const QStringList captions = {QStringLiteral("Name"), QStringLiteral("Ident.No"),
                                  QStringLiteral("Date"), QStringLiteral("Examiner")};
    for (int i = 0; i < 4; ++i) {
        identLabels_[i]->setText(captions[i]);
    }
    notes_.Clear();
    // Each assignment passes through the row's change handler, so the model
    // follows edit by edit.
    for (int row = 0; row < FactorRows::kRowCount - 1; ++row) {
        edits_[row]->setText(ScoreRules::kBlank);
    }
    edits_[9]->setText(QStringLiteral("1"));
    {
        const QSignalBlocker blockGroup(group_);
        group_->setCurrentIndex(0);
    }
    InmBearb::SetGroup(1);
    if (windows_.patientIdent != nullptr) {
        windows_.patientIdent->ResetPageIndicator();
    }
}

void TForm1::SpeedButton5Click() {
    if (windows_.advice == nullptr || windows_.fragments == nullptr || ReportRejectedScore()) {
        return;
    }
    BuildAdvice(ScoreTexts(), InmBearb::ChancePercent(), *windows_.fragments, *windows_.advice);
    windows_.advice->exec();
}

void TForm1::SpeedButton7Click() {
    if (windows_.printDlg == nullptr || windows_.printService == nullptr ||
        windows_.advice == nullptr || windows_.fragments == nullptr || ReportRejectedScore()) {
        return;
    }
    TAdvice& advice = *windows_.advice;
    const FragmentHolders& fragments = *windows_.fragments;
    Printing::PrintCommandInput input;
    input.scoreTexts = ScoreTexts();
    input.countryAreaText = countryArea_->currentText();
    input.groupText = group_->currentText();
    input.shares = {InmBearb::ChancePercent(), InmBearb::DietPercent(), InmBearb::BacteriaPercent(),
                    InmBearb::SusceptibilityPercent(), InmBearb::CircumstancesPercent()};
    input.notes = notes_;
    // The advice is rebuilt from the edits as they stand when it is asked for.
    input.buildAdvice = [this, &advice, &fragments] {
        BuildAdvice(ScoreTexts(), InmBearb::ChancePercent(), fragments, advice);
    };
    input.adviceLines = [&advice] { return advice.Lines(); };
    Printing::RunPrintCommand(*windows_.printDlg, input, *windows_.printService);
}

void TForm1::SpeedButton8Click() {
    if (windows_.patientIdent != nullptr && RunNotesCommand(*windows_.patientIdent, notes_)) {
        ShowIdentification();
    }
}

void TForm1::ShowIdentification() {
    identLabels_[0]->setText(IdentLabelText(notes_.name, QStringLiteral("Name")));
    identLabels_[1]->setText(IdentLabelText(notes_.identNo, QStringLiteral("Ident.No.")));
    identLabels_[2]->setText(IdentLabelText(notes_.date, QStringLiteral("Date")));
    identLabels_[3]->setText(IdentLabelText(notes_.examiner, QStringLiteral("Examiner")));
}
