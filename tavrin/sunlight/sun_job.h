// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// The computation of the sunlight window off the user-interface thread. Each
// request runs on a thread of its own (which shares its bands with a second
// one, sun_bow.h); a new request raises the flag of every older one, which
// then stop within a block of angles, and only the newest result is handed
// back, queued to the receiver's thread. The destructor raises every flag and
// waits for the threads, so a window that goes away leaves nothing running.
#pragma once

#include "tavrin/sunlight/model/sun_bow.h"

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace rb::tavrin {

class SunJob {
public:
    using Done = std::function<void(const SunBow &)>;
    explicit SunJob(QObject *receiver) : receiver_(receiver) {}
    ~SunJob();
    SunJob(const SunJob &) = delete;
    SunJob &operator=(const SunJob &) = delete;

    // Starts r; done runs on the receiver's thread if no later Start or
    // Cancel came first.
    void Start(const SunBowRequest &r, Done done);
    void Cancel();
    bool Running() const { return running_; }

private:
    struct Run {
        std::atomic<bool> cancel{false}, finished{false};
        std::thread thread;
    };
    void Reap();

    QObject *receiver_;
    std::vector<std::unique_ptr<Run>> runs_;
    unsigned long long generation_ = 0;
    bool running_ = false;
};

} // namespace rb::tavrin
