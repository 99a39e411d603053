// Dentiplot: estimates and illustrates the caries risk of one dental patient.

#include "mainwindow/Program.h"

#include <QApplication>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

namespace {

// Without any display the toolkit could only fail with its own warnings; say
// plainly what is missing instead.
bool DisplayAvailable() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

// The toolkit paints every window into an image of the screen's own pixel
// format and has none for a palette display (256 colours or fewer): painting
// there fails and can crash. Such a display is refused before anything is
// painted, with the reason.
constexpr int kLeastPaintableDepth = 15;

bool DisplayPaintable() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int depth = screen != nullptr ? screen->depth() : kLeastPaintableDepth;
    if (depth >= kLeastPaintableDepth) {
        return true;
    }
    std::fprintf(stderr,
                 "dentiplot: the display shows only %lld colours (%d bits per pixel); set it to "
                 "thousands of colours (16 or 24 bits per pixel) and start again.\n",
                 1LL << depth, depth);
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (!DisplayAvailable()) {
        std::fputs("dentiplot: no display found (DISPLAY is not set); start it from a desktop "
                   "session.\n",
                   stderr);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    if (!DisplayPaintable()) {
        return EXIT_FAILURE;
    }
    TDentiplotProgram program;
    return program.Run();
}
