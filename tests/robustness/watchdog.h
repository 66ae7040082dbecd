// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Watches a program under the random stream from a second thread, for the
// two faults a stream of input cannot see by itself:
//
// - a hang: the program goes longer than a limit without yielding to its
//   event loop. A heartbeat timer in the user-interface thread beats
//   whenever events are handled, in the main loop or in a long run that
//   yields (a paced sweep beats all along); a handler that computes without
//   yielding lets it fall silent;
// - a close that does not end the program: once the stream has sent its
//   final close, the program must end within a limit.
//
// The heartbeat also measures how deep the stack is wherever it beats: a
// run that starts inside the yield of another adds a level, and levels
// without bound (a run nested per press) would overflow the stack.
//
// Either fault ends the process at once with its own status and a message,
// since the user-interface thread can no longer be relied on; a hang also
// prints where that thread is stuck.
#pragma once

#include <chrono>

namespace rb::robustness {

// The sanitizers slow the program down several times over.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kSlowdown = 4;
#else
constexpr int kSlowdown = 1;
#endif

// A user takes a window that has not answered for 5 s for hung; a close
// should end the program at once, and 2 s leave room for a loaded machine.
// A few runs nested in each other take some tens of kB of stack; 1 MB is
// an eighth of what the system gives the main thread.
struct WatchLimits {
    std::chrono::milliseconds hang{5000 * kSlowdown};
    std::chrono::milliseconds end{2000 * kSlowdown};
    long stackBytes = 1024L * 1024 * kSlowdown;
};

// Exit statuses of the faults.
constexpr int kHangStatus = 6;
constexpr int kNoEndStatus = 5;
constexpr int kDeepStackStatus = 7;

// Starts the heartbeat and the watching thread; call with the application.
void StartWatch(WatchLimits limits);
// Stops watching, once the event loop has returned. Returns the longest
// time the program went without yielding, in milliseconds.
long StopWatch();
// The deepest the stack was at a beat, in bytes below StartWatch's frame.
long DeepestStack();

// The stream has sent its final close: from now on the program has the end
// limit to end.
void NoteFinalClose();
bool FinalCloseSent();

} // namespace rb::robustness
