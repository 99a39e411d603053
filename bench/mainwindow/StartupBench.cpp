// Start-up time: from process start to the main window first painted, for the
// whole program and for a bare main window built alongside it, both on the
// same platform in the same run. Prints both medians and their ratio. The
// splash window's five-second timer does not count; creating every window
// does.

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

std::string ProbePath() {
    char buffer[4096];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    std::string self(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
    return self.substr(0, self.rfind('/') + 1) + "mainwindow_startup_probe";
}

// Starts the probe and returns the seconds until it reports its first paint.
double TimeToFirstPaint(const char* variant) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        std::abort();
    }
    const std::string probe = ProbePath();
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        execl(probe.c_str(), probe.c_str(), variant, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    char c = 0;
    while (read(pipeEnds[0], &c, 1) == 1 && c != '\n') {
    }
    const auto painted = std::chrono::steady_clock::now();
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "startup probe %s failed\n", variant);
        std::abort();
    }
    return std::chrono::duration<double>(painted - start).count();
}

std::vector<double> samples[2];

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

void Run(benchmark::State& state, int which, const char* variant) {
    for (auto _ : state) {
        const double seconds = TimeToFirstPaint(variant);
        samples[which].push_back(seconds);
        state.SetIterationTime(seconds);
    }
    state.counters["median_ms"] = Median(samples[which]) * 1000.0;
}

void BM_StartupDentiplot(benchmark::State& state) {
    Run(state, 0, "dentiplot");
}
void BM_StartupBareMainWindow(benchmark::State& state) {
    Run(state, 1, "bare");
}

BENCHMARK(BM_StartupDentiplot)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupBareMainWindow)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // Both probes run on the same platform: offscreen unless one is chosen.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const double program = Median(samples[0]);
    const double bare = Median(samples[1]);
    if (program > 0 && bare > 0) {
        std::printf("start-up to first paint: dentiplot %.1f ms, bare main window %.1f ms, "
                    "ratio %.2f\n",
                    program * 1000.0, bare * 1000.0, program / bare);
    }
    return 0;
}
