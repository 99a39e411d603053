#pragma once

// The main window's form: every control with its object name, position, font
// and tooltip, and the toolbar commands as actions with their shortcuts. It
// builds what the window shows; what the window does is TForm1's.

#include "model/RiskModel.h"

#include <array>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QMainWindow;
class QWidget;
class TPieFlytt;
class TScoreEdit;
class TShape;
class TSpinButton;

class TForm1Ui {
public:
    static constexpr int kToolbarHeight = 42;
    static constexpr int kSelectorPanelWidth = 448;

    // Creates the controls inside `form`, placed in the designed client area
    // of 790 by 640 pixels; the window aligns its panels when it is resized.
    void SetupUi(QMainWindow& form);

    QWidget* client = nullptr;
    QFrame* panel3 = nullptr; // toolbar
    QFrame* panel5 = nullptr; // the two selectors, right in the toolbar
    QFrame* panel2 = nullptr; // score column
    QFrame* panel4 = nullptr; // chart area
    QFrame* panel6 = nullptr; // legend
    QFrame* panel7 = nullptr; // placeholder shown instead of the chart
    TPieFlytt* pie = nullptr;

    // Toolbar commands; each button shows its action.
    QAction* exitAction = nullptr;   // SpeedButton1
    QAction* newAction = nullptr;    // SpeedButton4
    QAction* aboutAction = nullptr;  // SpeedButton2
    QAction* helpAction = nullptr;   // SpeedButton3
    QAction* notesAction = nullptr;  // SpeedButton8
    QAction* adviceAction = nullptr; // SpeedButton5
    QAction* printAction = nullptr;  // SpeedButton7

    QComboBox* countryArea = nullptr; // ComboBox2
    QComboBox* group = nullptr;       // ComboBox1
    std::array<TScoreEdit*, InmBearb::RiskModel::kFactorCount> edits{};
    std::array<TSpinButton*, InmBearb::RiskModel::kFactorCount> spins{};
    std::array<TShape*, 5> shapes{};
    std::array<QLabel*, 4> identLabels{};

private:
    void CreateToolbar(QMainWindow& form);
    void CreateSelectors();
    void CreateScoreColumn();
    void OrderKeyboardFocus();
    void CreateChartArea();
    void CreateLegend();
    void SetMinimumClientSize(QMainWindow& form);
};
