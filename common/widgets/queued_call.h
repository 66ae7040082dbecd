// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// A call that many requests coalesce into one: the first request queues it on
// the event loop, the ones that come before it runs find it queued. A surface
// asks for a paint for every reason it has (shown, resized, a new pixel
// ratio), often several in one turn of the loop; drawing once serves them all.
#pragma once

#include <functional>

class QObject;

namespace rb {

class QueuedCall {
public:
    // The call runs in context's thread and is dropped with context; a
    // QueuedCall is a member of its context, so it is never called after it
    // is gone.
    QueuedCall(QObject *context, std::function<void()> call);
    QueuedCall(const QueuedCall &) = delete;
    QueuedCall &operator=(const QueuedCall &) = delete;

    void Request();

private:
    QObject *context_;
    std::function<void()> call_;
    bool queued_ = false;
};

} // namespace rb
