// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tests/robustness/watchdog.h"

#include <QCoreApplication>
#include <QTimer>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <execinfo.h>
#include <pthread.h>
#include <thread>
#include <unistd.h>

namespace rb::robustness {

namespace {

using Clock = std::chrono::steady_clock;

// Beats well inside the limits, so that a stall is measured to a few ms.
constexpr std::chrono::milliseconds kBeat{20};

std::int64_t NowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch()).count();
}

std::atomic<std::int64_t> lastBeat{0};
std::atomic<std::int64_t> finalCloseAt{-1};
std::atomic<bool> watching{false};
long longestStall = 0; // user-interface thread only
// Where StartWatch's frame lies, and the deepest beat below it.
const char *stackTop = nullptr;
long deepestStack = 0;
QTimer *heartbeat = nullptr;
std::thread watcher;

pthread_t uiThread;
std::atomic<bool> stackShown{false};

// Runs in the user-interface thread, wherever it is stuck.
void ShowStack(int)
{
    void *frames[64];
    const int n = backtrace(frames, 64);
    backtrace_symbols_fd(frames, n, STDERR_FILENO);
    stackShown = true;
}

void Fail(int status, const char *what, std::int64_t ms, bool showStack)
{
    std::fprintf(stderr, "%s (%lld ms)\n", what, static_cast<long long>(ms));
    if (showStack) {
        std::fprintf(stderr, "where the user-interface thread is:\n");
        std::fflush(stderr);
        std::signal(SIGUSR2, ShowStack);
        pthread_kill(uiThread, SIGUSR2);
        for (int i = 0; i < 100 && !stackShown.load(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::fflush(stderr);
    std::_Exit(status);
}

// In the user-interface thread, at a beat: the stack printed where it
// repeats, so the runs nested in each other can be seen.
[[noreturn]] void FailDeep(long bytes)
{
    std::fprintf(stderr, "runs nested without bound: the stack is %ld kB deep\n", bytes / 1024);
    void *frames[64];
    const int n = backtrace(frames, 64);
    backtrace_symbols_fd(frames, n, STDERR_FILENO);
    std::_Exit(kDeepStackStatus);
}

void Watch(WatchLimits limits)
{
    while (watching.load()) {
        std::this_thread::sleep_for(kBeat);
        const std::int64_t now = NowMs();
        const std::int64_t silent = now - lastBeat.load();
        if (silent > limits.hang.count())
            Fail(kHangStatus, "hang: the program went without yielding to its event loop", silent, true);
        const std::int64_t closed = finalCloseAt.load();
        if (closed >= 0 && now - closed > limits.end.count())
            Fail(kNoEndStatus, "the program did not end after its final close", now - closed, false);
    }
}

} // namespace

void StartWatch(WatchLimits limits)
{
    uiThread = pthread_self();
    lastBeat = NowMs();
    finalCloseAt = -1;
    longestStall = 0;
    const char top = 0;
    stackTop = &top;
    deepestStack = 0;
    heartbeat = new QTimer(QCoreApplication::instance());
    heartbeat->setTimerType(Qt::PreciseTimer);
    heartbeat->setInterval(kBeat);
    QObject::connect(heartbeat, &QTimer::timeout, [limits] {
        const std::int64_t now = NowMs();
        longestStall = std::max<long>(longestStall, long(now - lastBeat.exchange(now)));
        const char here = 0;
        deepestStack = std::max<long>(deepestStack, long(stackTop - &here)); // the stack grows downwards
        if (deepestStack > limits.stackBytes) FailDeep(deepestStack);
    });
    heartbeat->start();
    watching = true;
    watcher = std::thread(Watch, limits);
}

long StopWatch()
{
    watching = false;
    if (watcher.joinable()) watcher.join();
    delete heartbeat;
    heartbeat = nullptr;
    return longestStall;
}

long DeepestStack() { return deepestStack; }

void NoteFinalClose()
{
    if (finalCloseAt.load() < 0) finalCloseAt = NowMs();
}

bool FinalCloseSent() { return finalCloseAt.load() >= 0; }

} // namespace rb::robustness
