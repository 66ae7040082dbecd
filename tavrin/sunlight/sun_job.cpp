// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/sunlight/sun_job.h"

#include <QMetaObject>
#include <sys/resource.h>
#include <unistd.h>

namespace rb::tavrin {

namespace {
constexpr int kNiceness = 5;
} // namespace

SunJob::~SunJob()
{
    for (auto &r : runs_) r->cancel = true;
    for (auto &r : runs_) r->thread.join();
}

void SunJob::Reap()
{
    std::erase_if(runs_, [](const std::unique_ptr<Run> &r) {
        if (!r->finished) return false;
        r->thread.join();
        return true;
    });
}

void SunJob::Cancel()
{
    for (auto &r : runs_) r->cancel = true;
    ++generation_;
    running_ = false;
    Reap();
}

void SunJob::Start(const SunBowRequest &request, Done done)
{
    Cancel();
    const unsigned long long generation = generation_;
    running_ = true;
    auto run = std::make_unique<Run>();
    Run *raw = run.get();
    run->thread = std::thread([this, raw, request, done = std::move(done), generation] {
        // A little below the user interface, so the window answers at once
        // however busy the machine is; the helper thread inherits it.
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kNiceness);
        std::optional<SunBow> bow = ComputeSunBow(request, raw->cancel, 2);
        if (bow)
            // Runs on the receiver's thread, where generation_ lives; a result
            // overtaken by a newer request is dropped there.
            QMetaObject::invokeMethod(
                receiver_,
                [this, done, generation, result = std::move(*bow)] {
                    if (generation != generation_) return;
                    running_ = false;
                    done(result);
                    Reap();
                },
                Qt::QueuedConnection);
        raw->finished = true;
    });
    runs_.push_back(std::move(run));
}

} // namespace rb::tavrin
