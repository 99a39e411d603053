// Builds the program as it starts, enters a realistic set of scores through
// the score edits, lets the splash window close and saves a picture of the
// main window. Usage: dentiplot_screenshot <output.png>

#include "mainwindow/My_pie.h"
#include "mainwindow/Program.h"
#include "windows/Splash.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: dentiplot_screenshot <output.png>\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);
    TDentiplotProgram program;
    program.ShowMainWindow();
    TForm1& form = program.Form1();
    // Without a window manager nothing maximises the window: fill the screen.
    form.setGeometry(form.screen()->availableGeometry());

    // Caries experience 2, related diseases 0, diet 2 and 3, plaque 1,
    // mutans 2, fluoride 2, saliva 1, buffer 1, clinical judgement 1.
    for (int i = 0; i < 10; ++i) {
        form.findChild<QLineEdit*>(QStringLiteral("MaskEdit%1").arg(i + 1))
            ->setText(QString(QLatin1Char("2023122111"[i])));
    }
    // The splash window closes on its timer; run it at once.
    program.Splash().Timer1Timer();

    QTimer::singleShot(300, [&form, path = QString::fromLocal8Bit(argv[1])] {
        const bool saved = form.grab().save(path);
        QCoreApplication::exit(saved ? 0 : 1);
    });
    return QApplication::exec();
}
