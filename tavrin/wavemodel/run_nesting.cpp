// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/wavemodel/run_nesting.h"

#include <QMetaObject>
#include <QObject>
#include <utility>

namespace rb::tavrin {

RunNesting::RunNesting(QObject *owner) : owner_(owner) {}

bool RunNesting::MayStart(std::function<void()> start)
{
    if (active_ < kDeepest) return true;
    kept_ = std::move(start);
    return false;
}

void RunNesting::Leave(bool completed)
{
    --active_;
    if (active_ >= kDeepest || !kept_) return;
    std::function<void()> start = std::exchange(kept_, {});
    // Posted, not called: the handler of the run that just returned still
    // has to finish, and the start is made in the event pass of whatever
    // run is then yielding, or from the event loop.
    if (completed && owner_) QMetaObject::invokeMethod(owner_, std::move(start), Qt::QueuedConnection);
}

} // namespace rb::tavrin
