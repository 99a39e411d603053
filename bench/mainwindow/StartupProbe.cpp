// Start-up probe: builds either the whole program or a bare main window,
// writes one line as soon as the main window has been painted for the first
// time, and ends. The start-up benchmark times it from process start.
// Usage: <probe> dentiplot|bare

#include "mainwindow/My_pie.h"
#include "mainwindow/Program.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// Reports the first paint of the watched window, then ends the event loop.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // After the paint event has been handled, not before.
            QTimer::singleShot(0, [] {
                std::fputs("painted\n", stdout);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

} // namespace

int main(int argc, char** argv) {
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    QApplication app(argc, argv);
    FirstPaint watcher;
    if (bare) {
        QMainWindow window;
        window.installEventFilter(&watcher);
        window.showMaximized();
        return QApplication::exec();
    }
    TDentiplotProgram program;
    program.Form1().installEventFilter(&watcher);
    program.ShowMainWindow();
    return QApplication::exec();
}
