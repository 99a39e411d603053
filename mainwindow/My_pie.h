#pragma once

// The main window: toolbar with the two selectors, the ten score rows on the
// right, and the chart area with the pie, the placeholder text, the patient
// identification and the legend. Every accepted score or selector change is
// entered into the risk model and followed by a chart refresh.

#include "mainwindow/My_pieForm.h"
#include "model/InmBearb.h"
#include "model/RiskModel.h"
#include "notes/NotesStore.h"

#include <QMainWindow>
#include <array>
#include <cstdint>

class QDialog;
class QLineEdit;
class TAdvice;
class TPatientIdent;
class TPrintDlg;
struct FragmentHolders;
namespace Printing {
class PrintService;
}

class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    // The windows the toolbar commands open. They are created after the main
    // window and attached once they exist; a command whose window is missing
    // does nothing.
    struct Windows {
        QDialog* about = nullptr;
        QDialog* help = nullptr;
        TPatientIdent* patientIdent = nullptr;
        TAdvice* advice = nullptr;
        const FragmentHolders* fragments = nullptr;
        TPrintDlg* printDlg = nullptr;
        Printing::PrintService* printService = nullptr;
    };

    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    void AttachWindows(const Windows& windows);

    // The screen width decides the largest pie; the display depth the legend
    // and chart colours. Both are read from the screen at creation and can be
    // set to other values (a test, a narrower target screen).
    void SetScreenWidth(int pixels);
    int ScreenWidth() const { return screenWidth_; }
    void SetDisplayDepth(int bitsPerPixel);
    int DisplayDepth() const { return displayDepth_; }

    NotesStore& Notes() { return notes_; }
    const NotesStore& Notes() const { return notes_; }

    // The texts of the ten score edits in factor order, as they stand.
    std::array<QString, InmBearb::RiskModel::kFactorCount> ScoreTexts() const;

    // Brings the chart area in line with the risk model after an entry:
    // the chart, "Print" and the advice command show together, or the
    // placeholder instead.
    void PaintPie(const InmBearb::ScoreEntry& entry);

    // Validates the edit's text against the row's maximum and, when it is
    // accepted, enters it as factor `index` and refreshes the chart; a
    // rejected text is reported and the edit gets the focus back.
    void CheckScoreEdit(QLineEdit* edit, int maximum, int index);
    void StepScoreUp(QLineEdit* edit, int maximum);
    void StepScoreDown(QLineEdit* edit);

    // Lays out the chart area for its current size.
    void Panel4Resize();

    // Toolbar commands: Exit, About, Help, New, advice, Print, Notes. Each
    // runs when its action is triggered, by its button or its shortcut.
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton7Click();
    void SpeedButton8Click();
    void ComboBox1Change();
    void ComboBox2Change();

signals:
    // The window was closed: the program ends.
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void ConnectCommands();
    void ConnectSelectors();
    void ConnectRow(int row);
    void EnableChartCommands(bool enabled);
    void AlignPanels();
    void ApplyChartLayout(bool firstTime);
    void ColourLegend();
    void ShowIdentification();
    void ReportEntryError(QLineEdit* edit, const QString& message);
    bool ReportRejectedScore();

    TForm1Ui ui_;
    Windows windows_;
    NotesStore notes_;
    int screenWidth_ = 0;
    int displayDepth_ = 0;
    bool reportingEntryError_ = false;
};
