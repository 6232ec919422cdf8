// Times the start of Windows programs under one roof: each is started in
// turn, round after round, and timed from its creation until its first
// window is visible and the program waits for input; then it is closed and
// the next one starts. The first program is the comparison; each other's
// median is set against its median.
//   startup_timer ROUNDS PROGRAM.exe [PROGRAM.exe ...]
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <vector>

namespace {

const DWORD WINDOW_TIMEOUT_MS = 20000;

struct Search {
    DWORD processId;
    HWND window;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM lParam)
{
    Search* search = (Search*)lParam;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != search->processId || !IsWindowVisible(window))
        return TRUE;
    search->window = window;
    return FALSE;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return (double)(to.QuadPart - from.QuadPart) * 1000.0 / (double)frequency.QuadPart;
}

// One start: the time until a window of the process is visible and the
// process waits for input, or a negative number when it never shows one.
double TimeOneStart(const char* program)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    char commandLine[MAX_PATH + 2];
    lstrcpynA(commandLine, program, MAX_PATH);
    LARGE_INTEGER start, shown;
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(program, commandLine, NULL, NULL, FALSE, 0, NULL, NULL, &startup,
                        &process))
        return -1;
    Search search = {process.dwProcessId, NULL};
    DWORD waited = 0;
    while (search.window == NULL && waited < WINDOW_TIMEOUT_MS) {
        EnumWindows(FindVisibleWindow, (LPARAM)&search);
        if (search.window == NULL) {
            Sleep(1);
            waited++;
        }
    }
    WaitForInputIdle(process.hProcess, WINDOW_TIMEOUT_MS);
    QueryPerformanceCounter(&shown);
    if (search.window != NULL)
        PostMessageA(search.window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, WINDOW_TIMEOUT_MS) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return search.window != NULL ? Milliseconds(start, shown) : -1;
}

double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    size_t n = times.size();
    return n % 2 == 1 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: startup_timer ROUNDS PROGRAM.exe [PROGRAM.exe ...]\n");
        return 2;
    }
    int rounds = atoi(argv[1]);
    int count = argc - 2;
    std::vector<std::vector<double>> times(count);
    // Each round starts the programs in another order, so none always
    // follows the same one.
    for (int round = 0; round < rounds; round++)
        for (int k = 0; k < count; k++) {
            int i = (k + round) % count;
            double time = TimeOneStart(argv[2 + i]);
            if (time < 0) {
                fprintf(stderr, "%s showed no window\n", argv[2 + i]);
                return 1;
            }
            times[i].push_back(time);
        }
    double base = Median(times[0]);
    printf("%-44s %9s %9s %7s\n", "program", "median", "minimum", "ratio");
    for (int i = 0; i < count; i++) {
        double median = Median(times[i]);
        printf("%-44s %6.1f ms %6.1f ms %6.3f\n", argv[2 + i], median,
               *std::min_element(times[i].begin(), times[i].end()), median / base);
    }
    return 0;
}
