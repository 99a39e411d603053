#include "mainwindow/Program.h"

#include "advice/AdviceSelection.h"
#include "advice/Advicedl.h"
#include "mainwindow/My_pie.h"
#include "notes/InputId.h"
#include "printing/PrintService.h"
#include "printing/Printval.h"
#include "resources/Glyphs.h"
#include "windows/About.h"
#include "windows/Helpbox.h"
#include "windows/Splash.h"

#include <QApplication>

TDentiplotProgram::TDentiplotProgram(std::unique_ptr<Printing::PrintService> printService)
    : printService_(printService ? std::move(printService)
                                 : std::make_unique<Printing::DefaultPrinterService>()) {
    // The standard error box is titled with this name. No display name is
    // set: the platform would append it to every window's caption.
    QApplication::setApplicationName(QStringLiteral("Dentiplot"));
    QApplication::setWindowIcon(ProgramIcon());
    splash_ = std::make_unique<TSplashForm>();
    splash_->ShowAndPaint();

    form1_ = std::make_unique<TForm1>();
    aboutBox_ = std::make_unique<TAboutBox>();
    helpBox1_ = std::make_unique<THelpBox1>();
    patientIdent_ = std::make_unique<TPatientIdent>();
    dlg0020_ = std::make_unique<TDlg0020>();
    advice_ = std::make_unique<TAdvice>();
    dlg2040_ = std::make_unique<TDlg2040>();
    dlg4060_ = std::make_unique<TDlg4060>();
    dlg6080_ = std::make_unique<TDlg6080>();
    dlg80100_ = std::make_unique<TDlg80100>();
    printDlg_ = std::make_unique<TPrintDlg>();
    fragments_ = std::make_unique<FragmentHolders>(
        FragmentHolders{*dlg0020_, *dlg2040_, *dlg4060_, *dlg6080_, *dlg80100_});

    TForm1::Windows windows;
    windows.about = aboutBox_.get();
    windows.help = helpBox1_.get();
    windows.patientIdent = patientIdent_.get();
    windows.advice = advice_.get();
    windows.fragments = fragments_.get();
    windows.printDlg = printDlg_.get();
    windows.printService = printService_.get();
    form1_->AttachWindows(windows);

    // Closing the main window ends the program, even while the splash window
    // is still up.
    QObject::connect(form1_.get(), &TForm1::closed, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
}

TDentiplotProgram::~TDentiplotProgram() = default;

void TDentiplotProgram::ShowMainWindow() {
    form1_->showMaximized();
}

int TDentiplotProgram::Run() {
    ShowMainWindow();
    return QApplication::exec();
}
