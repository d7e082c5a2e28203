// Start-up cost of the program: the time from just before exec to the window's first painted
// frame, and the resident memory at that moment; the median of 20 fresh processes in each of
// English, German, Arabic (right to left, its Noto face) and Japanese (Noto Sans CJK), taken in turns. Each run
// re-executes this binary as a child that opens the window the way app/main.cpp does, its translations included.
#include "frm_zorvane.h"
#include "translations.h"

#include <QApplication>
#include <QEvent>

#include <algorithm>
#include <array>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kRuns = 20;
constexpr std::string_view kChildFlag = "--child";
// A child that has not painted by then is stuck; SIGALRM ends it and the run counts as failed.
constexpr unsigned kChildSeconds = 20;

// The locale a child runs in, by the environment a user would set.
struct Language {
    const char* Name;
    const char* Locale;     // LC_ALL
    const char* Languages;  // LANGUAGE
};

constexpr std::array<Language, 4> kLanguages{{{"English", "C.UTF-8", ""},
                                              {"German", "de_DE.UTF-8", "de"},
                                              {"Arabic", "ar_EG.UTF-8", "ar"},
                                              {"Japanese", "ja_JP.UTF-8", "ja"}}};

struct Sample {
    std::string Platform;
    double Milliseconds;
    double CpuMilliseconds;  // user and system time: steadier than the wall clock on a busy machine
    double ResidentMiB;
    double PrivateMiB;  // of it, the process's own (RssAnon); the rest are pages of shared files
};

// CLOCK_MONOTONIC is one clock for every process, so a time taken in the child before exec
// and one taken after its first frame can be subtracted.
double MonotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double CpuMs() {
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return static_cast<double>(used.tv_sec) * 1e3 + static_cast<double>(used.tv_nsec) / 1e6;
}

// A field of /proc/self/status in MiB: VmRSS, or RssAnon. Pages of a mapped file (a font the
// kernel maps around each glyph read, shared with every program using it) count in VmRSS only.
double StatusMiB(std::string_view field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(field) && line.size() > field.size() && line[field.size()] == ':') {
            return std::strtod(line.c_str() + field.size() + 1, nullptr) / 1024.0;  // in kB
        }
    }
    return 0.0;
}

// Sees the window's own paint event, which starts the first frame; the queued report runs once
// the controls have painted and the frame has been flushed to the platform.
class FirstFrameProbe : public QObject {
public:
    FirstFrameProbe(int reportFd, double execMs) : reportFd_(reportFd), execMs_(execMs) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QMetaObject::invokeMethod(this, &FirstFrameProbe::Report, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Report() {
        const double elapsed = MonotonicMs() - execMs_;
        const std::string line = std::to_string(elapsed) + ' ' + std::to_string(CpuMs()) + ' ' +
                                 std::to_string(StatusMiB("VmRSS")) + ' ' + std::to_string(StatusMiB("RssAnon")) + ' ' +
                                 QApplication::platformName().toStdString() + '\n';
        if (write(reportFd_, line.data(), line.size()) != static_cast<ssize_t>(line.size())) std::_Exit(2);
        QApplication::quit();
    }

    int reportFd_;
    double execMs_;
    bool seen_ = false;
};

int RunChild(int argc, char* argv[], int reportFd, double execMs) {
    alarm(kChildSeconds);
    QApplication application(argc, argv);
    const Translations translations{QLocale()};
    // The report's numbers in the C notation the parent reads, whatever the child's locale.
    static_cast<void>(std::setlocale(LC_NUMERIC, "C"));
    QApplication::setLayoutDirection(translations.Locale().textDirection());
    frmZorvane window(translations.Locale());
    FirstFrameProbe probe(reportFd, execMs);
    window.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}

std::optional<Sample> RunOnce(const char* name, const Language& language, bool quiet) {
    int fds[2];
    if (pipe(fds) != 0) return std::nullopt;
    const pid_t child = fork();
    if (child < 0) return std::nullopt;
    if (child == 0) {
        close(fds[0]);
        if (quiet) (void)freopen("/dev/null", "w", stderr);
        setenv("LC_ALL", language.Locale, 1);
        setenv("LANGUAGE", language.Languages, 1);
        const std::string fd = std::to_string(fds[1]);
        const std::string execMs = std::to_string(MonotonicMs());
        execl("/proc/self/exe", name, kChildFlag.data(), fd.c_str(), execMs.c_str(), static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    close(fds[1]);
    std::string report;
    char buffer[256];
    for (ssize_t got; (got = read(fds[0], buffer, sizeof buffer)) != 0;) {
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) break;
        report.append(buffer, static_cast<std::size_t>(got));
    }
    close(fds[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    Sample sample{};
    std::istringstream fields(report);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
        !(fields >> sample.Milliseconds >> sample.CpuMilliseconds >> sample.ResidentMiB >> sample.PrivateMiB >>
          sample.Platform)) {
        return std::nullopt;
    }
    return sample;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 4 && argv[1] == kChildFlag) {
        return RunChild(1, argv, static_cast<int>(std::strtol(argv[2], nullptr, 10)), std::strtod(argv[3], nullptr));
    }
    // Without a display the window still paints, into the offscreen platform's memory.
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    struct Samples {
        std::vector<double> Milliseconds, CpuMilliseconds, ResidentMiB, PrivateMiB;
    };
    std::string platform;
    std::array<Samples, kLanguages.size()> samples;
    for (int run = 0; run < kRuns; ++run) {
        // In turns, so that a busy spell of the machine falls on every language alike.
        for (std::size_t i = 0; i < kLanguages.size(); ++i) {
            // The first run shows what the platform has to say; the others would only repeat it.
            const auto sample = RunOnce(argv[0], kLanguages[i], run > 0 || i > 0);
            if (!sample) {
                std::cerr << "startup_bench: run " << run + 1 << " in " << kLanguages[i].Name
                          << " did not report a painted frame\n";
                return 1;
            }
            platform = sample->Platform;
            samples[i].Milliseconds.push_back(sample->Milliseconds);
            samples[i].CpuMilliseconds.push_back(sample->CpuMilliseconds);
            samples[i].ResidentMiB.push_back(sample->ResidentMiB);
            samples[i].PrivateMiB.push_back(sample->PrivateMiB);
        }
    }
    std::printf("Start-up to the first painted frame, median of %d runs each (Qt platform %s):\n", kRuns,
                platform.c_str());
    for (std::size_t i = 0; i < kLanguages.size(); ++i) {
        const Samples& language = samples[i];
        std::printf("  %s (LC_ALL=%s)\n", kLanguages[i].Name, kLanguages[i].Locale);
        std::printf("    time      %7.1f ms   (fastest %.1f, slowest %.1f)\n", Median(language.Milliseconds),
                    *std::min_element(language.Milliseconds.begin(), language.Milliseconds.end()),
                    *std::max_element(language.Milliseconds.begin(), language.Milliseconds.end()));
        std::printf("    CPU time  %7.1f ms\n", Median(language.CpuMilliseconds));
        std::printf("    resident  %7.1f MiB   (private %.1f)\n", Median(language.ResidentMiB),
                    Median(language.PrivateMiB));
    }
    for (std::size_t i = 1; i < kLanguages.size(); ++i) {
        std::printf("  %s against English: time %+.1f ms, CPU time %+.1f ms, resident %+.1f MiB (private %+.1f)\n",
                    kLanguages[i].Name, Median(samples[i].Milliseconds) - Median(samples[0].Milliseconds),
                    Median(samples[i].CpuMilliseconds) - Median(samples[0].CpuMilliseconds),
                    Median(samples[i].ResidentMiB) - Median(samples[0].ResidentMiB),
                    Median(samples[i].PrivateMiB) - Median(samples[0].PrivateMiB));
    }
    return 0;
}
