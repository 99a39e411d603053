#include "mainwindow/My_pie.h"

#include "advice/AdviceSelection.h"
#include "advice/Advicedl.h"
#include "mainwindow/ChartLayout.h"
#include "mainwindow/CommandGuard.h"
#include "mainwindow/FactorRows.h"
#include "mainwindow/Legend.h"
#include "mainwindow/PieItems.h"
#include "mainwindow/ScoreEdit.h"
#include "mainwindow/ScoreRules.h"
#include "mainwindow/Shape.h"
#include "mainwindow/SpinButton.h"
#include "model/InmBearb.h"
#include "notes/InputId.h"
#include "notes/NotesCommand.h"
#include "piechart/Pieflytt.h"
#include "printing/PrintCommand.h"
#include "printing/Printval.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

namespace {

constexpr int kScoreColumnWidth = 235;

// Code of a selector: item position + 1, or 0 when its text names no item.
std::uint8_t SelectionCode(const QComboBox& combo) {
    const int index = combo.findText(combo.currentText(), Qt::MatchExactly);
    return static_cast<std::uint8_t>(index + 1);
}

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    ui_.SetupUi(*this);
    ConnectCommands();
    ConnectSelectors();
    for (int row = 0; row < FactorRows::kRowCount; ++row) {
        ConnectRow(row);
    }
    ui_.client->installEventFilter(this);
    ui_.panel4->installEventFilter(this);
    AlignPanels();
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::ConnectCommands() {
    const auto connectCommand = [this](QAction* action, void (TForm1::*command)()) {
        connect(action, &QAction::triggered, this, [this, command] {
            CommandGuard::Run(this, [this, command] { (this->*command)(); });
        });
    };
    connectCommand(ui_.exitAction, &TForm1::SpeedButton1Click);
    connectCommand(ui_.newAction, &TForm1::SpeedButton4Click);
    connectCommand(ui_.aboutAction, &TForm1::SpeedButton2Click);
    connectCommand(ui_.helpAction, &TForm1::SpeedButton3Click);
    connectCommand(ui_.notesAction, &TForm1::SpeedButton8Click);
    connectCommand(ui_.adviceAction, &TForm1::SpeedButton5Click);
    connectCommand(ui_.printAction, &TForm1::SpeedButton7Click);
}

void TForm1::EnableChartCommands(bool enabled) {
    // "Print" and the advice need a chart; their buttons and shortcuts follow
    // the actions.
    ui_.printAction->setEnabled(enabled);
    ui_.adviceAction->setEnabled(enabled);
}

void TForm1::ConnectSelectors() {
    connect(ui_.countryArea, &QComboBox::currentTextChanged, this,
            [this] { CommandGuard::Run(this, [this] { ComboBox2Change(); }); });
    connect(ui_.group, &QComboBox::currentTextChanged, this,
            [this] { CommandGuard::Run(this, [this] { ComboBox1Change(); }); });
}

void TForm1::ConnectRow(int row) {
    TScoreEdit* edit = ui_.edits[row];
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
    connect(ui_.spins[row], &TSpinButton::upClick, this,
            [this, edit, maximum] { StepScoreUp(edit, maximum); });
    connect(ui_.spins[row], &TSpinButton::downClick, this, [this, edit] { StepScoreDown(edit); });
    // The arrow keys in the edit step it as its spin arrows do.
    connect(edit, &TScoreEdit::upKey, this, [this, edit, maximum] { StepScoreUp(edit, maximum); });
    connect(edit, &TScoreEdit::downKey, this, [this, edit] { StepScoreDown(edit); });
}

void TForm1::FormCreate() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    displayDepth_ = screen != nullptr ? screen->depth() : 32;
    screenWidth_ = screen != nullptr ? screen->geometry().width() : 1024;
    ui_.pie->SetDisplayDepth(displayDepth_);

    InmBearb::SetCountryArea(1);
    InmBearb::SetGroup(1);
    notes_.Clear();
    {
        const QSignalBlocker blockCountry(ui_.countryArea);
        const QSignalBlocker blockGroup(ui_.group);
        ui_.countryArea->setCurrentIndex(0);
        ui_.group->setCurrentIndex(0);
    }
    CheckScoreEdit(ui_.edits[9], FactorRows::Rows()[9].maximum, 10);

    // The first layout, in the designed chart area; widening the score
    // column right after resizes the chart area, which lays it out again.
    ApplyChartLayout(true);
    ui_.panel2->resize(kScoreColumnWidth, ui_.panel2->height());
    AlignPanels();
    ColourLegend();
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
    ui_.pie->SetDisplayDepth(bitsPerPixel);
    ColourLegend();
}

void TForm1::ColourLegend() {
    const auto squares = Legend::Squares(displayDepth_);
    for (int i = 0; i < Legend::kRowCount; ++i) {
        ui_.shapes[i]->SetBrushColour(squares[i].brush);
        ui_.shapes[i]->SetPen(squares[i].pen, squares[i].penWidth);
    }
}

void TForm1::AlignPanels() {
    // The toolbar spans the top, the score column the right edge below it,
    // and the chart area takes the rest.
    const int width = ui_.client->width();
    const int height = ui_.client->height();
    const int columnWidth = ui_.panel2->width();
    ui_.panel3->setGeometry(0, 0, width, TForm1Ui::kToolbarHeight);
    ui_.panel5->setGeometry(width - 1 - TForm1Ui::kSelectorPanelWidth, 1,
                            TForm1Ui::kSelectorPanelWidth, TForm1Ui::kToolbarHeight - 2);
    const int below = height - TForm1Ui::kToolbarHeight;
    ui_.panel2->setGeometry(width - columnWidth, TForm1Ui::kToolbarHeight, columnWidth, below);
    ui_.panel4->setGeometry(0, TForm1Ui::kToolbarHeight, width - columnWidth, below);
}

void TForm1::ApplyChartLayout(bool firstTime) {
    ChartLayout::Input input;
    input.chartArea = ui_.panel4->size();
    input.legend = ui_.panel6->size();
    input.placeholder = ui_.panel7->size();
    input.screenWidth = screenWidth_;
    input.firstTime = firstTime;
    const ChartLayout::Result layout = ChartLayout::Compute(input);
    ui_.panel6->move(ui_.panel6->x(), layout.legendTop);
    ui_.pie->setGeometry(layout.pie);
    ui_.panel7->move(layout.placeholder);
}

void TForm1::Panel4Resize() {
    ApplyChartLayout(false);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        if (watched == ui_.client) {
            AlignPanels();
        } else if (watched == ui_.panel4) {
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

std::array<QString, InmBearb::RiskModel::kFactorCount> TForm1::ScoreTexts() const {
    std::array<QString, InmBearb::RiskModel::kFactorCount> texts;
    for (int i = 0; i < FactorRows::kRowCount; ++i) {
        texts[i] = ui_.edits[i]->text();
    }
    return texts;
}

void TForm1::PaintPie(const InmBearb::ScoreEntry& entry) {
    const bool show =
        PieItems::ChartMayShow(entry.missing, InmBearb::GetCountryArea(), InmBearb::GetGroup());
    ui_.panel7->setVisible(!show);
    ui_.pie->setVisible(show);
    EnableChartCommands(show);
    if (show) {
        const QStringList items = PieItems::Items(entry.shares);
        ui_.pie->LoadItems(items);
        ui_.pie->setAccessibleDescription(PieItems::Description(items));
    } else {
        // The data stay for the next showing, but a hidden chart tells nothing.
        ui_.pie->setAccessibleDescription(QString());
    }
}

void TForm1::CheckScoreEdit(QLineEdit* edit, int maximum, int index) {
    const QString text = edit->text();
    const ScoreRules::Verdict verdict = ScoreRules::Check(text, maximum);
    if (ScoreRules::Rejected(verdict)) {
        ReportEntryError(edit, ScoreRules::Message(verdict));
        return;
    }
    PaintPie(InmBearb::EnterScore(static_cast<std::uint8_t>(index), text.toStdString()));
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
            ScoreRules::Check(ui_.edits[row]->text(), FactorRows::Rows()[row].maximum);
        if (ScoreRules::Rejected(verdict)) {
            ReportEntryError(ui_.edits[row], ScoreRules::Message(verdict));
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
    InmBearb::SetCountryArea(SelectionCode(*ui_.countryArea));
    CheckScoreEdit(ui_.edits[0], FactorRows::Rows()[0].maximum, 1);
}

void TForm1::ComboBox1Change() {
    InmBearb::SetGroup(SelectionCode(*ui_.group));
    CheckScoreEdit(ui_.edits[0], FactorRows::Rows()[0].maximum, 1);
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
        ui_.identLabels[i]->setText(captions[i]);
    }
    notes_.Clear();
    // Each assignment passes through the row's change handler, so the model
    // follows edit by edit.
    for (int row = 0; row < FactorRows::kRowCount - 1; ++row) {
        ui_.edits[row]->setText(ScoreRules::kBlank);
    }
    ui_.edits[9]->setText(QStringLiteral("1"));
    {
        const QSignalBlocker blockGroup(ui_.group);
        ui_.group->setCurrentIndex(0);
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
    input.countryAreaText = ui_.countryArea->currentText();
    input.groupText = ui_.group->currentText();
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
    ui_.identLabels[0]->setText(IdentLabelText(notes_.name, QStringLiteral("Name")));
    ui_.identLabels[1]->setText(IdentLabelText(notes_.identNo, QStringLiteral("Ident.No.")));
    ui_.identLabels[2]->setText(IdentLabelText(notes_.date, QStringLiteral("Date")));
    ui_.identLabels[3]->setText(IdentLabelText(notes_.examiner, QStringLiteral("Examiner")));
}
