// deducto-bench: times deducto-check as a whole process, start-up included, over every
// .txt argument under a folder of workloads (every family folder in it) and over the
// bundled samples. Each instance runs N times with text output and N times with --json
// (output to /dev/null); the report gives per instance the median wall time of each, the
// ratio of their median CPU times, the peak resident memory and the exit status, then per
// family the median and maximum, and last how the results stand against the checker's
// goals.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kDefaultRuns = 11;
constexpr double kFastMs = 100.0;       // every instance that fits the limits
constexpr double kOverLimitMs = 50.0;   // an over-limit instance reaching its message
constexpr double kNearStartupMs = 2.0;  // the median instance against the trivial one
constexpr double kJsonRatio = 1.5;      // --json against text, in CPU time
constexpr double kMemoryMiB = 16.0;
constexpr int kExitLimit = 3;              // the checker's status for an over-limit argument
constexpr rlim_t kCpuSecondsPerRun = 120;  // a run that loops is stopped, not waited for
constexpr std::string_view kStartupFamily = "0_startup";

struct Run {
    double ms = 0;
    double cpuMs = 0;  // user and system time
    double maxRssMiB = 0;
    int status = 0;  // exit status, or 128 + signal
};

struct Instance {
    std::string family;
    fs::path file;
    std::string name;  // family/file, for the report
    double medianMs = 0;
    double jsonMedianMs = 0;
    double jsonCpuRatio = 0;  // median CPU time with --json over that with text
    double peakMiB = 0;
    int status = 0;
    bool statusVaries = false;
};

double Milliseconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_usec) / 1000.0;
}

// Runs the checker once on `file` with the given options (and --json when asked), every
// output going to /dev/null.
std::optional<Run> RunOnce(const std::string& checker, const std::vector<std::string>& options,
                           const fs::path& file, bool json) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0) return std::nullopt;
    if (pid == 0) {
        const int null = open("/dev/null", O_RDWR);
        if (null >= 0) {
            dup2(null, STDIN_FILENO);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
        }
        const rlimit cpu{kCpuSecondsPerRun, kCpuSecondsPerRun};
        setrlimit(RLIMIT_CPU, &cpu);
        const std::string path = file.string();
        std::vector<char*> args{const_cast<char*>(checker.c_str())};
        for (const std::string& option : options) args.push_back(const_cast<char*>(option.c_str()));
        char jsonOption[] = "--json";
        if (json) args.push_back(jsonOption);
        args.push_back(const_cast<char*>(path.c_str()));
        args.push_back(nullptr);
        execv(checker.c_str(), args.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return std::nullopt;
    const auto end = std::chrono::steady_clock::now();
    Run run;
    run.ms = std::chrono::duration<double, std::milli>(end - start).count();
    run.cpuMs = Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime);
    run.maxRssMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Orders "syll_n9" before "syll_n10": runs of digits compare as numbers.
bool NaturalLess(const std::string& a, const std::string& b) {
    const auto isDigit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            std::size_t endA = i;
            std::size_t endB = j;
            while (endA < a.size() && isDigit(a[endA])) ++endA;
            while (endB < b.size() && isDigit(b[endB])) ++endB;
            const double numA = std::strtod(a.substr(i, endA - i).c_str(), nullptr);
            const double numB = std::strtod(b.substr(j, endB - j).c_str(), nullptr);
            if (numA != numB) return numA < numB;
            i = endA;
            j = endB;
        } else {
            if (a[i] != b[j]) return a[i] < b[j];
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

// Every argument file (.txt, as the workloads are named, or .deducto) under `folder`; the family is
// the first folder below it ("." for files directly in it).
std::vector<Instance> FindInstances(const fs::path& folder, const std::string& familyOverride) {
    std::vector<Instance> found;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path extension = it->path().extension();
        if (!it->is_regular_file() || (extension != ".txt" && extension != ".deducto")) continue;
        const fs::path relative = fs::relative(it->path(), folder);
        Instance instance;
        instance.file = it->path();
        const bool nested = relative.has_parent_path();
        instance.family = !familyOverride.empty() ? familyOverride
                          : nested                ? relative.begin()->string()
                                                  : std::string(".");
        instance.name = instance.family + "/" + relative.filename().string();
        found.push_back(std::move(instance));
    }
    return found;
}

// The shared workloads live beside the repository.
fs::path DefaultWorkloads() { return fs::path(DEDUCTO_SOURCE_DIR) / ".." / "shared" / "bench"; }

void Usage() {
    std::printf(
        "Usage: deducto-bench [--runs N] [--checker PATH] [--option OPT]... [--samples DIR]\n"
        "                     [WORKLOADS]\n"
        "Times deducto-check on every .txt or .deducto under WORKLOADS (default %s) and under the\n"
        "samples folder, N runs each (default %d). Each --option goes to the checker.\n",
        DefaultWorkloads().string().c_str(), kDefaultRuns);
}

const char* Verdict(bool met) { return met ? "met   " : "MISSED"; }

struct Settings {
    int runs = kDefaultRuns;
    std::string checker = DEDUCTO_CHECK_PATH;
    std::vector<std::string> options;  // given to the checker before the file
    fs::path samples = fs::path(DEDUCTO_SOURCE_DIR) / "samples";
    fs::path workloads = DefaultWorkloads();
};

// The settings, or the exit status when the command line ends the run (help, a mistake).
struct ParsedArguments {
    Settings settings;
    std::optional<int> exitStatus;
};

ParsedArguments ParseArguments(int argc, char** argv) {
    ParsedArguments parsed;
    Settings& settings = parsed.settings;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--help" || arg == "-h") {
            Usage();
            parsed.exitStatus = 0;
            return parsed;
        } else if (arg == "--runs" && hasValue) {
            settings.runs = std::atoi(argv[++i]);
        } else if (arg == "--checker" && hasValue) {
            settings.checker = argv[++i];
        } else if (arg == "--option" && hasValue) {
            settings.options.emplace_back(argv[++i]);
        } else if (arg == "--samples" && hasValue) {
            settings.samples = argv[++i];
        } else if (!arg.empty() && arg.front() != '-') {
            settings.workloads = arg;
        } else {
            Usage();
            parsed.exitStatus = 1;
            return parsed;
        }
    }
    return parsed;
}

// Says what is wrong with the settings; false when the run cannot start.
bool SettingsUsable(const Settings& settings) {
    if (settings.runs < 1) {
        std::fprintf(stderr, "deducto-bench: --runs needs a positive number\n");
        return false;
    }
    if (access(settings.checker.c_str(), X_OK) != 0) {
        std::fprintf(stderr, "deducto-bench: no checker at %s (build deducto-check first)\n",
                     settings.checker.c_str());
        return false;
    }
    if (!fs::is_directory(settings.workloads)) {
        std::fprintf(stderr, "deducto-bench: no workloads folder at %s\n",
                     settings.workloads.string().c_str());
        return false;
    }
    return true;
}

// The workloads and then the samples, in natural order of their names.
std::vector<Instance> AllInstances(const Settings& settings) {
    std::vector<Instance> instances = FindInstances(settings.workloads, "");
    if (fs::is_directory(settings.samples)) {
        std::vector<Instance> bundled = FindInstances(settings.samples, "samples");
        instances.insert(instances.end(), bundled.begin(), bundled.end());
    }
    std::sort(instances.begin(), instances.end(),
              [](const Instance& a, const Instance& b) { return NaturalLess(a.name, b.name); });
    return instances;
}

struct Times {
    std::vector<double> text, json, textCpu, jsonCpu;
};

// Runs every instance `settings.runs` times with text and with --json, noting each
// instance's peak memory and exit status. No times when the checker could not be started.
std::optional<std::vector<Times>> TimeInstances(const Settings& settings,
                                                std::vector<Instance>& instances) {
    // Each pass runs every instance once, so a change in the machine's load while the
    // benchmark runs spreads over all instances instead of favouring some.
    // Text and JSON runs of one instance follow each other for the same reason.
    std::vector<Times> times(instances.size());
    for (int r = 0; r < settings.runs; ++r) {
        std::fprintf(stderr, "\rpass %d of %d", r + 1, settings.runs);
        for (std::size_t k = 0; k < instances.size(); ++k) {
            Instance& instance = instances[k];
            for (const bool json : {false, true}) {
                const std::optional<Run> run =
                    RunOnce(settings.checker, settings.options, instance.file, json);
                if (!run) {
                    std::fprintf(stderr, "\ndeducto-bench: could not run %s\n",
                                 settings.checker.c_str());
                    return std::nullopt;
                }
                (json ? times[k].json : times[k].text).push_back(run->ms);
                (json ? times[k].jsonCpu : times[k].textCpu).push_back(run->cpuMs);
                instance.peakMiB = std::max(instance.peakMiB, run->maxRssMiB);
                if ((r > 0 || json) && run->status != instance.status) instance.statusVaries = true;
                instance.status = run->status;
            }
        }
    }
    std::fprintf(stderr, "\n");
    return times;
}

// One line per instance, after its medians are worked out from `times`.
void ReportInstances(const Settings& settings, std::vector<Instance>& instances,
                     const std::vector<Times>& times) {
    std::string shown = settings.checker;
    for (const std::string& option : settings.options) shown += " " + option;
    std::printf("%s, %d runs per instance and output\n\n", shown.c_str(), settings.runs);
    std::printf("%-48s %10s %9s %10s %9s %5s\n", "instance", "median ms", "json ms", "json/text",
                "peak MiB", "exit");
    for (std::size_t k = 0; k < instances.size(); ++k) {
        Instance& instance = instances[k];
        instance.medianMs = Median(times[k].text);
        instance.jsonMedianMs = Median(times[k].json);
        const double textCpu = Median(times[k].textCpu);
        instance.jsonCpuRatio = textCpu > 0 ? Median(times[k].jsonCpu) / textCpu : 1.0;
        std::printf("%-48s %10.2f %9.2f %10.2f %9.1f %5d%s\n", instance.name.c_str(),
                    instance.medianMs, instance.jsonMedianMs, instance.jsonCpuRatio,
                    instance.peakMiB, instance.status, instance.statusVaries ? " (varies)" : "");
    }
}

// One line per family; returns the start-up family's median, none without that family.
std::optional<double> ReportFamilies(const std::vector<Instance>& instances) {
    std::map<std::string, std::vector<const Instance*>> families;
    for (const Instance& instance : instances) families[instance.family].push_back(&instance);
    std::vector<double> startupTimes;
    for (const Instance* instance : families[std::string(kStartupFamily)]) {
        startupTimes.push_back(instance->medianMs);
    }
    const double startupMs = Median(startupTimes);

    std::printf("\n%-16s %9s %10s %10s %10s %9s\n", "family", "instances", "median ms", "max ms",
                "json/text", "peak MiB");
    for (const auto& [family, members] : families) {
        std::vector<double> medians;
        double maxMs = 0;
        double maxRatio = 0;
        double peak = 0;
        for (const Instance* instance : members) {
            medians.push_back(instance->medianMs);
            maxMs = std::max(maxMs, std::max(instance->medianMs, instance->jsonMedianMs));
            maxRatio = std::max(maxRatio, instance->jsonCpuRatio);
            peak = std::max(peak, instance->peakMiB);
        }
        std::printf("%-16s %9zu %10.2f %10.2f %10.2f %9.1f\n", family.c_str(), members.size(),
                    Median(medians), maxMs, maxRatio, peak);
    }
    if (startupTimes.empty()) return std::nullopt;
    std::printf("startup instance (%s): %.2f ms\n", std::string(kStartupFamily).c_str(), startupMs);
    return startupMs;
}

// The goals, each with the instances that miss it.
void ReportGoals(const std::vector<Instance>& instances, std::optional<double> startupMs) {
    std::vector<double> allMedians;
    double peakMiB = 0;
    std::vector<std::string> slowFitting;
    std::vector<std::string> slowOverLimit;
    std::vector<std::string> heavy;
    std::vector<std::string> slowJson;
    std::vector<std::string> unexpected;
    for (const Instance& instance : instances) {
        allMedians.push_back(instance.medianMs);
        peakMiB = std::max(peakMiB, instance.peakMiB);
        const bool overLimit = instance.status == kExitLimit;
        const double slowest = std::max(instance.medianMs, instance.jsonMedianMs);
        if (overLimit ? slowest >= kOverLimitMs : slowest >= kFastMs) {
            (overLimit ? slowOverLimit : slowFitting).push_back(instance.name);
        }
        if (instance.jsonCpuRatio > kJsonRatio) slowJson.push_back(instance.name);
        if (instance.peakMiB >= kMemoryMiB) heavy.push_back(instance.name);
        if ((instance.status != 0 && !overLimit) || instance.statusVaries) {
            unexpected.push_back(instance.name);
        }
    }
    const double overallMs = Median(allMedians);
    const auto list = [](const std::vector<std::string>& names) {
        for (const std::string& name : names) std::printf("         %s\n", name.c_str());
    };
    std::printf("\ngoals\n");
    std::printf("  %s every fitting instance under %.0f ms\n", Verdict(slowFitting.empty()),
                kFastMs);
    list(slowFitting);
    std::printf("  %s every over-limit instance (exit %d) stops under %.0f ms\n",
                Verdict(slowOverLimit.empty()), kExitLimit, kOverLimitMs);
    list(slowOverLimit);
    if (!startupMs) {
        std::printf("  ?      median within %.0f ms of start-up: no %s family to compare with\n",
                    kNearStartupMs, std::string(kStartupFamily).c_str());
    } else {
        std::printf("  %s median instance %.2f ms, within %.0f ms of start-up (%.2f ms)\n",
                    Verdict(overallMs - *startupMs <= kNearStartupMs), overallMs, kNearStartupMs,
                    *startupMs);
    }
    std::printf("  %s --json within %.1f times the CPU time of text on every instance\n",
                Verdict(slowJson.empty()), kJsonRatio);
    list(slowJson);
    std::printf("  %s peak memory %.1f MiB, under %.0f MiB\n", Verdict(heavy.empty()), peakMiB,
                kMemoryMiB);
    list(heavy);
    if (!unexpected.empty()) {
        std::printf("  note: exit status other than 0 or %d, or varying between runs:\n",
                    kExitLimit);
        list(unexpected);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const ParsedArguments parsed = ParseArguments(argc, argv);
    if (parsed.exitStatus) return *parsed.exitStatus;
    const Settings& settings = parsed.settings;
    if (!SettingsUsable(settings)) return 1;
    std::vector<Instance> instances = AllInstances(settings);
    if (instances.empty()) {
        std::fprintf(stderr, "deducto-bench: no argument files under %s\n",
                     settings.workloads.string().c_str());
        return 1;
    }
    const std::optional<std::vector<Times>> times = TimeInstances(settings, instances);
    if (!times) return 1;
    ReportInstances(settings, instances, *times);
    ReportGoals(instances, ReportFamilies(instances));
    return 0;
}
