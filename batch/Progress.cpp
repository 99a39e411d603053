#include "batch/Progress.h"

#include <cstdio>
#include <unistd.h>

namespace Batch {

namespace {
constexpr int kBarWidth = 30;
}

Progress::Progress()
    : enabled_(isatty(STDERR_FILENO) != 0), start_(std::chrono::steady_clock::now()) {}

void Progress::Show(const std::string& what, long long done, long long total, long long fraction,
                    long long fractionTotal) {
    if (!enabled_) {
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    if (shown_ && now - lastDrawn_ < std::chrono::milliseconds(100)) {
        return;
    }
    lastDrawn_ = now;
    shown_ = true;
    const double part =
        fractionTotal > 0 ? static_cast<double>(fraction) / static_cast<double>(fractionTotal) : 0;
    const int filled = static_cast<int>(part * kBarWidth);
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.resize(kBarWidth, '.');
    const double elapsed = std::chrono::duration<double>(now - start_).count();
    std::string left = "--:--";
    if (part > 0.001) {
        const auto seconds = static_cast<long long>(elapsed / part - elapsed);
        char text[32];
        std::snprintf(text, sizeof text, "%lld:%02lld", seconds / 60, seconds % 60);
        left = text;
    }
    if (total > 0) {
        std::fprintf(stderr, "\r[%s] %lld/%lld %s, %s left \x1b[K", bar.c_str(), done, total,
                     what.c_str(), left.c_str());
    } else {
        std::fprintf(stderr, "\r[%s] %lld %s, %s left \x1b[K", bar.c_str(), done, what.c_str(),
                     left.c_str());
    }
    std::fflush(stderr);
}

void Progress::Clear() {
    if (enabled_ && shown_) {
        std::fputs("\r\x1b[K", stderr);
        shown_ = false;
    }
}

} // namespace Batch
