// Start-up figures: each program's start step by step from its own timestamps (the start-up
// trace), against a minimal window in the same run, and each program's memory once its window
// is ready.
#include "startup_bench.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "config_key.h"
#include "desktop.h"
#include "program.h"
#include "sim_driver.h"
#include "startup_e2e_support.h"
#include "wait.h"

using namespace e2e;

namespace {

LONGLONG Counter() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double Milliseconds(LONGLONG ticks) {
    static const double perMillisecond = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return double(frequency.QuadPart) / 1000.0;
    }();
    return double(ticks) / perMillisecond;
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Step {
    std::string name;
    double end;  // ms since the bench asked Windows to start the program
};

// One start of a program, as far as the bench took it.
struct Start {
    double created = -1;  // CreateProcess returned
    std::vector<Step> steps;
    double workingSetKiB = 0;
    double privateKiB = 0;
    std::set<std::string> modules;
    bool ok() const { return !steps.empty(); }
    double ready() const { return steps.empty() ? -1 : steps.back().end; }
};

using Ending = std::function<void(Program&)>;

std::string TraceFile() {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + "nx-startup-trace.txt";
}

// The program's "step counter" lines, as times since origin.
std::vector<Step> ReadTrace(const std::string& path, LONGLONG origin) {
    std::vector<Step> steps;
    FILE* file = std::fopen(path.c_str(), "r");
    if (!file) return steps;
    char line[256];
    while (std::fgets(line, sizeof line, file)) {
        std::string text(line);
        size_t space = text.rfind(' ');
        if (space == std::string::npos) continue;
        LONGLONG counter = std::strtoll(text.c_str() + space + 1, nullptr, 10);
        steps.push_back({text.substr(0, space), Milliseconds(counter - origin)});
    }
    std::fclose(file);
    return steps;
}

void TakeMemory(DWORD processId, Start& start) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (!process) return;
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                             sizeof memory)) {
        start.workingSetKiB = double(memory.WorkingSetSize) / 1024;
        // Wine fills only PagefileUsage, the same commit charge by Windows' own documentation
        SIZE_T privateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
        start.privateKiB = double(privateBytes) / 1024;
    }
    HMODULE modules[256];
    DWORD needed = 0;
    if (EnumProcessModules(process, modules, sizeof modules, &needed)) {
        for (DWORD i = 0; i < needed / sizeof(HMODULE) && i < 256; ++i) {
            char name[MAX_PATH] = {};
            if (!GetModuleBaseNameA(process, modules[i], name, MAX_PATH)) continue;
            std::string lower(name);
            for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
            start.modules.insert(lower);
        }
    }
    CloseHandle(process);
}

// A start with the trace on: the program writes its steps when its window is painted.
Start TracedStart(const std::string& file, const std::string& arguments, const Ending& end) {
    std::string trace = TraceFile();
    DeleteFileA(trace.c_str());
    SetEnvironmentVariableA("NX_STARTUP_TRACE", trace.c_str());
    Start start;
    LONGLONG origin = Counter();
    Program program(file, arguments);
    start.created = Milliseconds(Counter() - origin);
    SetEnvironmentVariableA("NX_STARTUP_TRACE", nullptr);
    bool traced =
        program.started() &&
        WaitUntil([&] { return GetFileAttributesA(trace.c_str()) != INVALID_FILE_ATTRIBUTES; },
                  20000);
    if (traced) {
        start.steps = ReadTrace(trace, origin);
        TakeMemory(program.id(), start);
    }
    end(program);
    DeleteFileA(trace.c_str());
    return start;
}

// A start without the trace, seen as the tests see a window: polled every 10 ms.
Start PolledStart(const std::string& file, const std::function<HWND()>& ready, const Ending& end) {
    Start start;
    LONGLONG origin = Counter();
    Program program(file);
    start.created = Milliseconds(Counter() - origin);
    if (program.started() && WaitUntil([&] { return ready() != nullptr; }, 20000)) {
        start.steps.push_back({"window found", Milliseconds(Counter() - origin)});
        TakeMemory(program.id(), start);
    }
    end(program);
    return start;
}

// A start without the trace, until Windows reports the program idle for input: its first
// window shown and painted and its message loop waiting.
Start IdleStart(const std::string& file, const Ending& end) {
    Start start;
    LONGLONG origin = Counter();
    Program program(file);
    start.created = Milliseconds(Counter() - origin);
    HANDLE process = program.started()
                         ? OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, program.id())
                         : nullptr;
    if (process && WaitForInputIdle(process, 20000) == 0) {
        start.steps.push_back({"idle for input", Milliseconds(Counter() - origin)});
        TakeMemory(program.id(), start);
    }
    if (process) CloseHandle(process);
    end(program);
    return start;
}

Ending CloseWindowTitled(const std::string& title) {
    return [title](Program& program) {
        if (HWND window = FindTopWindow(title)) PostMessageA(window, WM_CLOSE, 0, 0);
        if (!program.waitForExit(5000)) program.kill();
    };
}

// A program's starts in one run, under one name.
struct Subject {
    const char* label;
    std::vector<Start> starts;

    std::vector<double> of(const std::function<double(const Start&)>& figure) const {
        std::vector<double> values;
        for (const Start& start : starts)
            if (start.ok()) values.push_back(figure(start));
        return values;
    }
    double ready() const {
        return Median(of([](const Start& s) { return s.ready(); }));
    }
    int count() const {
        return int(of([](const Start& s) { return s.ready(); }).size());
    }
};

void PrintSteps(const Subject& subject) {
    std::vector<Start> complete;
    for (const Start& start : subject.starts)
        if (start.ok() && start.steps.size() == subject.starts.front().steps.size())
            complete.push_back(start);
    if (complete.empty()) {
        std::printf("%s: no traced start\n", subject.label);
        return;
    }
    std::printf("%s (medians of %zu starts)                      step      at\n", subject.label,
                complete.size());
    const std::vector<Step>& names = complete.front().steps;
    for (size_t i = 0; i < names.size(); ++i) {
        std::vector<double> took, at;
        for (const Start& start : complete) {
            double begin = i == 0 ? 0 : start.steps[i - 1].end;
            took.push_back(start.steps[i].end - begin);
            at.push_back(start.steps[i].end);
        }
        std::string name = i == 0 ? "process created, system libraries, C runtime" : names[i].name;
        std::printf("  %-46s %7.1f %7.1f\n", name.c_str(), Median(took), Median(at));
    }
    std::vector<double> created;
    for (const Start& start : complete) created.push_back(start.created);
    std::printf("  (CreateProcess returned to the bench at %.1f ms)\n", Median(created));
}

void PrintMemory(const Subject& subject) {
    std::printf("%-34s %8.0f %10.0f\n", subject.label,
                Median(subject.of([](const Start& s) { return s.workingSetKiB; })),
                Median(subject.of([](const Start& s) { return s.privateKiB; })));
}

std::string ExtraModules(const Subject& subject, const Subject& floor) {
    if (subject.starts.empty() || floor.starts.empty()) return "?";
    std::string extra;
    for (const std::string& module : subject.starts.back().modules) {
        bool program = module.size() > 4 && module.compare(module.size() - 4, 4, ".exe") == 0;
        if (!program && !floor.starts.back().modules.count(module)) extra += " " + module;
    }
    return extra.empty() ? " none" : extra;
}

// Beside the bench runner.
std::string MinimalWindowPath() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string folder(self);
    return folder.substr(0, folder.find_last_of('\\')) + "\\minimal_window.exe";
}

}  // namespace

int PanelBuildsBench(int rounds, const std::vector<std::string>& builds) {
    SimDriver driver;
    driver.reset();
    Ending closeMinimal = CloseWindowTitled("Minimal Window");
    Ending closePanel = CloseWindowTitled(" TouchScreen Control Panel #NX-COM");
    std::string minimal = MinimalWindowPath();
    Subject floor{"minimal window", {}};
    std::vector<Subject> panels;
    for (const std::string& build : builds) panels.push_back({build.c_str(), {}});
    TracedStart(minimal, "", closeMinimal);
    for (const std::string& build : builds) TracedStart(build, "", closePanel);
    // alternated, so that a change of load meanwhile weighs on every build alike
    for (int round = 0; round < rounds; ++round) {
        floor.starts.push_back(TracedStart(minimal, "", closeMinimal));
        for (size_t i = 0; i < builds.size(); ++i)
            panels[i].starts.push_back(TracedStart(builds[i], "", closePanel));
        if (std::getenv("NX_BENCH_VERBOSE")) {
            auto print = [](const Start& start) {
                std::printf(" %.1f/%.1f", start.ok() ? start.steps.front().end : -1, start.ready());
            };
            std::printf("round %d:", round);
            print(floor.starts.back());
            for (const Subject& panel : panels) print(panel.starts.back());
            std::printf("\n");
        }
    }
    for (const Subject& panel : panels) PrintSteps(panel);
    PrintSteps(floor);
    double floorMs = floor.ready();
    std::printf("%-40s %6.0f ms\n", "minimal window painted", floorMs);
    for (const Subject& panel : panels)
        std::printf("%-40s %6.0f ms   ratio %.2f%s\n", panel.label, panel.ready(),
                    panel.ready() / floorMs,
                    panel.count() == rounds ? "" : "  (some starts failed)");
    driver.reset();
    return 0;
}

int StartupBench(int rounds) {
    SimDriver driver;
    driver.reset();
    startup_e2e::CloseLeftovers();
    // the log-on run stores and applies the double-click settings: put them back afterwards
    startup_e2e::StoredDoubleClick doubleClick;

    std::string minimal = MinimalWindowPath();
    const std::string panelTitle = " TouchScreen Control Panel #NX-COM";
    Ending closeMinimal = CloseWindowTitled("Minimal Window");
    Ending closePanel = CloseWindowTitled(panelTitle);
    Ending endLogon = [&driver](Program& program) {
        if (!program.waitForExit(10000)) program.kill();
        startup_e2e::CloseSmiTool(driver);
        startup_e2e::CloseRightButtonTool(driver);
    };
    Ending endSetup = [](Program& program) { program.kill(); };  // before its final box
    Ending endTool = [&driver](Program& program) {
        startup_e2e::CloseRightButtonTool(driver);
        if (!program.waitForExit(5000)) program.kill();
    };
    Ending closeRemoval = CloseWindowTitled("TouchScreen Software Removal");
    auto minimalSeen = [] {
        HWND window = FindTopWindow("Minimal Window");
        return window && FindWindowExA(window, nullptr, "Static", "Ready") ? window : nullptr;
    };
    auto panelSeen = [&] {
        HWND window = FindTopWindow(panelTitle);
        if (!window) return HWND(nullptr);
        HWND line = FindControlByName(window, "lblUsingDevice");
        return line && WindowText(line).rfind("COM1, ", 0) == 0 ? window : nullptr;
    };

    Subject floor{"minimal window", {}}, panel{"control panel, status lines painted", {}},
        banner{"startup program, banner painted", {}},
        setup{"setup program, message window painted", {}};
    Subject polledFloor{"minimal window", {}}, polledPanel{"control panel", {}},
        idleFloor{"minimal window", {}}, idlePanel{"control panel", {}},
        tool{"NXWLHCrb.exe (tool window)", {}}, removal{"NXWLHCde.exe (question window)", {}};
    // warm the caches for every program
    TracedStart(minimal, "", closeMinimal);
    TracedStart("NXWLHCcp.exe", "", closePanel);
    TracedStart("NXWLHCao.exe", "", endLogon);
    TracedStart("NXWLHCdi.exe", "", endSetup);
    for (int round = 0; round < rounds; ++round) {
        floor.starts.push_back(TracedStart(minimal, "", closeMinimal));
        panel.starts.push_back(TracedStart("NXWLHCcp.exe", "", closePanel));
        banner.starts.push_back(TracedStart("NXWLHCao.exe", "", endLogon));
        setup.starts.push_back(TracedStart("NXWLHCdi.exe", "", endSetup));
        idleFloor.starts.push_back(IdleStart(minimal, closeMinimal));
        idlePanel.starts.push_back(IdleStart("NXWLHCcp.exe", closePanel));
        polledFloor.starts.push_back(PolledStart(minimal, minimalSeen, closeMinimal));
        polledPanel.starts.push_back(PolledStart("NXWLHCcp.exe", panelSeen, closePanel));
        tool.starts.push_back(IdleStart("NXWLHCrb.exe", endTool));
        removal.starts.push_back(IdleStart("NXWLHCde.exe", closeRemoval));
    }

    std::printf("-- step by step, from the programs' own timestamps (ms)\n");
    PrintSteps(panel);
    PrintSteps(floor);
    std::printf("-- against the minimal window, same run (medians of %d; goal: 1.5 or less)\n",
                rounds);
    double floorMs = floor.ready();
    std::printf("%-40s %6.0f ms\n", "minimal window painted", floorMs);
    for (const Subject* subject : {&panel, &banner, &setup})
        std::printf("%-40s %6.0f ms   ratio %.2f%s\n", subject->label, subject->ready(),
                    subject->ready() / floorMs,
                    subject->count() == rounds ? "" : "  (some starts failed)");
    std::printf(
        "without the trace, until idle for input: minimal %.0f ms, control panel %.0f ms, "
        "ratio %.2f\n",
        idleFloor.ready(), idlePanel.ready(), idlePanel.ready() / idleFloor.ready());
    // the tests' window search sends WM_GETTEXT to every window, which waits for a starting
    // program's first message loop: a figure of the harness as much as of the program
    std::printf(
        "as the tests find the windows (polled every 10 ms): minimal %.0f ms, "
        "control panel %.0f ms, ratio %.2f\n",
        polledFloor.ready(), polledPanel.ready(), polledPanel.ready() / polledFloor.ready());
    std::printf("-- system libraries loaded beyond the minimal window's\n");
    std::printf("control panel:%s\n", ExtraModules(panel, floor).c_str());
    std::printf("startup program:%s\n", ExtraModules(banner, floor).c_str());
    std::printf("setup program:%s\n", ExtraModules(setup, floor).c_str());
    std::printf("-- memory once the window is ready (medians, KiB)\n");
    std::printf("%-34s %8s %10s\n", "", "working", "private");
    panel.label = "NXWLHCcp.exe (main window)";
    banner.label = "NXWLHCao.exe (banner)";
    setup.label = "NXWLHCdi.exe (message window)";
    for (const Subject* subject : {&panel, &banner, &setup, &removal, &tool, &floor})
        PrintMemory(*subject);
    driver.reset();
    return 0;
}
