#pragma once

// A progress bar on standard error while it is a terminal: what is done, and
// the estimated time left. Nothing at all is written when standard error is
// not a terminal.

#include <chrono>
#include <string>

namespace Batch {

class Progress {
public:
    Progress();

    // `done` of `total` units (rows, reports; bytes when `total` is a byte
    // count), redrawn at most ten times a second. `total` 0: unknown.
    void Show(const std::string& what, long long done, long long total, long long fraction,
              long long fractionTotal);
    // Takes the bar off the line, so that a message can be written there.
    void Clear();

private:
    bool enabled_;
    bool shown_ = false;
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point lastDrawn_;
};

} // namespace Batch
