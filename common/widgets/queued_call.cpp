// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/widgets/queued_call.h"

#include <QMetaObject>
#include <QObject>
#include <utility>

namespace rb {

QueuedCall::QueuedCall(QObject *context, std::function<void()> call) : context_(context), call_(std::move(call)) {}

void QueuedCall::Request()
{
    if (queued_) return;
    queued_ = true;
    QMetaObject::invokeMethod(
        context_,
        [this] {
            // Cleared first: a request made by the call itself queues it anew.
            queued_ = false;
            call_();
        },
        Qt::QueuedConnection);
}

} // namespace rb
