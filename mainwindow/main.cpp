// Dentiplot: estimates and illustrates the caries risk of one dental patient.

#include "mainwindow/Program.h"

#include <QApplication>
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

} // namespace

int main(int argc, char** argv) {
    if (!DisplayAvailable()) {
        std::fputs("dentiplot: no display found (DISPLAY is not set); start it from a desktop "
                   "session.\n",
                   stderr);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    TDentiplotProgram program;
    return program.Run();
}
