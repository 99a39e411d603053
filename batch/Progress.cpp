#include "batch/Progress.h"

#include <cstdio>
#include <unistd.h>

namespace Batch {

namespace {
constexpr int kBarWidth = 30;
}

Progress::Progress()
    : m_enabled(isatty(STDERR_FILENO) != 0), m_start(std::chrono::steady_clock::now()) {}

void Progress::Show(const std::string& what, long long done, long long total, long long fraction,
                    long long fractionTotal) {
    if (!m_enabled) {
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    if (m_shown && now - m_lastDrawn < std::chrono::milliseconds(100)) {
        return;
    }
    m_lastDrawn = now;
    m_shown = true;
    const double part =
        fractionTotal > 0 ? static_cast<double>(fraction) / static_cast<double>(fractionTotal) : 0;
    const int filled = static_cast<int>(part * kBarWidth);
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.resize(kBarWidth, '.');
    const double elapsed = std::chrono::duration<double>(now - m_start).count();
    std::string left = "--:--";
    if (part > 0.001) {
        const long long seconds = static_cast<long long>(elapsed / part - elapsed);
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
    if (m_enabled && m_shown) {
        std::fputs("\r\x1b[K", stderr);
        m_shown = false;
    }
}

} // namespace Batch
