#pragma once

// The program's start: the splash window first, shown and painted at once,
// then every other window, created once in a fixed order with the main window
// first, all living until the program ends. Tests and the start-up benchmark
// build the same object.

#include "printing/PrintService.h"

#include <memory>

class TAboutBox;
class TAdvice;
class TDlg0020;
class TDlg2040;
class TDlg4060;
class TDlg6080;
class TDlg80100;
class TForm1;
class THelpBox1;
class TPatientIdent;
class TPrintDlg;
class TSplashForm;
struct FragmentHolders;

class TDentiplotProgram {
public:
    // Builds every window. `printService` is where print jobs go; null means
    // the system's default printer.
    explicit TDentiplotProgram(std::unique_ptr<Printing::PrintService> printService = nullptr);
    ~TDentiplotProgram();
    TDentiplotProgram(const TDentiplotProgram&) = delete;
    TDentiplotProgram& operator=(const TDentiplotProgram&) = delete;

    // Opens the main window maximised.
    void ShowMainWindow();
    // Opens the main window and runs the event loop until it is closed;
    // returns the loop's exit code.
    int Run();

    TSplashForm& Splash() { return *splash_; }
    TForm1& Form1() { return *form1_; }
    TAboutBox& AboutBox() { return *aboutBox_; }
    THelpBox1& HelpBox1() { return *helpBox1_; }
    TPatientIdent& PatientIdent() { return *patientIdent_; }
    TAdvice& Advice() { return *advice_; }
    TPrintDlg& PrintDlg() { return *printDlg_; }

private:
    // Declared in creation order, so they are destroyed in reverse.
    std::unique_ptr<Printing::PrintService> printService_;
    std::unique_ptr<TSplashForm> splash_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TAboutBox> aboutBox_;
    std::unique_ptr<THelpBox1> helpBox1_;
    std::unique_ptr<TPatientIdent> patientIdent_;
    std::unique_ptr<TDlg0020> dlg0020_;
    std::unique_ptr<TAdvice> advice_;
    std::unique_ptr<TDlg2040> dlg2040_;
    std::unique_ptr<TDlg4060> dlg4060_;
    std::unique_ptr<TDlg6080> dlg6080_;
    std::unique_ptr<TDlg80100> dlg80100_;
    std::unique_ptr<TPrintDlg> printDlg_;
    std::unique_ptr<FragmentHolders> fragments_;
};
