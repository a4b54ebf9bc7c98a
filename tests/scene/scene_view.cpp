// Runs the Moon scene in a screen-sized window without the saver shell.
//   scene_view.exe [SECONDS]              draws a frame every 32 ms, like the saver
//   scene_view.exe /bench FRAMES [/nocache]
//       draws FRAMES frames back to back and prints, per stage of a frame, the wall
//       time (GL work finished at each stage's end) and the drawing thread's CPU time.
#include <windows.h>
#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "scene/scene_state.h"
#include "scene_host.h"
#include "shell/scene_interface.h"

namespace {

const int StageCount = 5;
const char* const StageNames[StageCount] = {"start", "ephemeris", "text pass", "star pass", "globe pass"};

double Seconds() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Under Wine the Windows thread is a Linux thread, and the Linux clock of its CPU time
// has nanosecond resolution, where GetThreadTimes counts 10 ms ticks. Used only when
// running under Wine (and on x86-64).
bool UnderWine() {
    static const bool wine =
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

bool LinuxThreadCpuSeconds(double* seconds) {
#if defined(__x86_64__)
    if (!UnderWine()) return false;
    struct { long long sec, nsec; } now = {0, 0};
    long result;
    const long clockGettime = 228, threadCpuClock = 3;
    __asm__ volatile("syscall" : "=a"(result) : "a"(clockGettime), "D"(threadCpuClock), "S"(&now)
                     : "rcx", "r11", "memory");
    if (result != 0) return false;
    *seconds = static_cast<double>(now.sec) + 1e-9 * static_cast<double>(now.nsec);
    return true;
#else
    (void)seconds;
    return false;
#endif
}

double ThreadCpuSeconds() {
    double linux = 0.0;
    if (LinuxThreadCpuSeconds(&linux)) return linux;
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    const ULONGLONG k = (static_cast<ULONGLONG>(kernel.dwHighDateTime) << 32) | kernel.dwLowDateTime;
    const ULONGLONG u = (static_cast<ULONGLONG>(user.dwHighDateTime) << 32) | user.dwLowDateTime;
    return static_cast<double>(k + u) * 1e-7;
}

double wallTotal[StageCount];
double cpuTotal[StageCount];
double lastWall, lastCpu;

void TimeStage(SceneStage stage) {
    glFinish();
    const double wall = Seconds();
    const double cpu = ThreadCpuSeconds();
    if (stage != StageFrameStart) {
        wallTotal[stage] += wall - lastWall;
        cpuTotal[stage] += cpu - lastCpu;
    }
    lastWall = wall;
    lastCpu = cpu;
}

int Benchmark(SceneHost& host, int frames) {
    double frameCpu = 0.0, frameWall = 0.0;
    SceneStageProbe = TimeStage;
    for (int i = 0; i < frames; ++i) {
        PumpSceneMessages();
        const double wall = Seconds(), cpu = ThreadCpuSeconds();
        SceneDrawFrame(host.window);
        frameWall += Seconds() - wall;
        frameCpu += ThreadCpuSeconds() - cpu;
        SwapBuffers(host.dc);
    }
    SceneStageProbe = nullptr;
    double probe = 0.0;
    std::printf("frames: %d, text cache: %s, screen %dx%d, cpu clock: %s\n", frames,
                SceneTextCacheEnabled ? "on" : "off", host.width, host.height,
                LinuxThreadCpuSeconds(&probe) ? "thread (ns)" : "GetThreadTimes (10 ms ticks)");
    std::printf("%-12s %14s %14s\n", "stage", "wall ms/frame", "cpu ms/frame");
    for (int s = 1; s < StageCount; ++s) {
        std::printf("%-12s %14.3f %14.3f\n", StageNames[s], 1e3 * wallTotal[s] / frames, 1e3 * cpuTotal[s] / frames);
    }
    std::printf("%-12s %14.3f %14.3f\n", "whole frame", 1e3 * frameWall / frames, 1e3 * frameCpu / frames);
    return 0;
}

int Show(SceneHost& host, double seconds) {
    const double end = Seconds() + seconds;
    SetTimer(host.window, 1, 32, nullptr);
    MSG message;
    while (Seconds() < end && GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == host.window) {
            SceneDrawFrame(host.window);
            SwapBuffers(host.dc);
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    int benchFrames = 0;
    double seconds = 3600.0;  // 0: draw the first frame and end
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "/bench") == 0 && i + 1 < argc) {
            benchFrames = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "/nocache") == 0) {
            SceneTextCacheEnabled = false;
        } else if (argv[i][0] != '/') {
            seconds = std::atof(argv[i]);
        }
    }
    SceneHost host = {};
    if (!OpenSceneHost(&host, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), false)) {
        std::fprintf(stderr, "no GL window\n");
        return 1;
    }
    SceneRegister();
    const double initStart = Seconds();
    SceneInit(host.window);
    const double initSeconds = Seconds() - initStart;
    SceneDrawFrame(host.window);
    SwapBuffers(host.dc);
    glFinish();
    std::printf("scene set-up (SceneInit): %.1f ms; first frame: %.1f ms\n", 1e3 * initSeconds,
                1e3 * (Seconds() - initStart - initSeconds));
    std::fflush(stdout);
    const int rc = benchFrames > 0 ? Benchmark(host, benchFrames) : seconds > 0 ? Show(host, seconds) : 0;
    CloseSceneHost(&host);
    return rc;
}
