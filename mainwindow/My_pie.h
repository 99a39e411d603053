#pragma once

// The main window: toolbar with the two selectors, the ten score rows on the
// right, and the chart area with the pie, the placeholder text, the patient
// identification and the legend. Every accepted score or selector change is
// entered into the risk model and followed by a chart refresh.

#include "model/RiskModel.h"
#include "notes/NotesStore.h"

#include <QMainWindow>
#include <array>
#include <cstdint>

class QComboBox;
class QDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QToolButton;
class TAdvice;
class TPatientIdent;
class TPieFlytt;
class TPrintDlg;
class TScoreEdit;
class TShape;
class TSpinButton;
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
    std::array<QString, InmBearb::RiskModel::FactorCount> ScoreTexts() const;

    // Brings the chart area in line with the risk model after an entry that
    // left `missing` factors blank.
    void PaintPie(std::uint8_t missing);

    // Validates the edit's text against the row's maximum and, when it is
    // accepted, enters it as factor `index` and refreshes the chart; a
    // rejected text is reported and the edit gets the focus back.
    void CheckScoreEdit(QLineEdit* edit, int maximum, int index);
    void StepScoreUp(QLineEdit* edit, int maximum);
    void StepScoreDown(QLineEdit* edit);

    // Lays out the chart area for its current size.
    void Panel4Resize();

    // Toolbar commands: Exit, About, Help, New, advice, Print, Notes.
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
    void CreateToolbar();
    void CreateSelectors(QFrame* panel5);
    void CreateScoreColumn();
    void CreateChartArea();
    void CreateLegend(QWidget* chartArea);
    void ConnectRow(int row);
    void OrderKeyboardFocus();
    void AlignPanels();
    void SetMinimumClientSize();
    void ApplyChartLayout(bool firstTime);
    void ColourLegend();
    void ShowIdentification();
    void ReportEntryError(QLineEdit* edit, const QString& message);
    bool ReportRejectedScore();

    QWidget* client_ = nullptr;
    QFrame* panel3_ = nullptr;
    QFrame* panel2_ = nullptr;
    QFrame* panel4_ = nullptr;
    QFrame* panel5_ = nullptr;
    QFrame* panel6_ = nullptr;
    QFrame* panel7_ = nullptr;
    TPieFlytt* pie_ = nullptr;
    QToolButton* adviceButton_ = nullptr;
    QToolButton* printButton_ = nullptr;
    QComboBox* countryArea_ = nullptr; // ComboBox2
    QComboBox* group_ = nullptr;       // ComboBox1
    std::array<TScoreEdit*, InmBearb::RiskModel::FactorCount> edits_{};
    std::array<TSpinButton*, InmBearb::RiskModel::FactorCount> spins_{};
    std::array<TShape*, 5> shapes_{};
    std::array<QLabel*, 4> identLabels_{};

    Windows windows_;
    NotesStore notes_;
    int screenWidth_ = 0;
    int displayDepth_ = 0;
    bool reportingEntryError_ = false;
};
