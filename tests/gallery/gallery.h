// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The gallery: every window in its characteristic states, written as PNGs so
// a person can look at them. Each program adds its scenes here.
#pragma once

#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace rb::gallery {

// Saves a picture of a top-level window under the given name.
using Shoot = std::function<void(QWidget *window, const QString &name)>;

void StreuScenes(const Shoot &shoot);
void PrismaScenes(const Shoot &shoot);
void TavrinStartScenes(const Shoot &shoot);
void TavrinRayScenes(const Shoot &shoot);
void TavrinWaveScenes(const Shoot &shoot);
void TavrinWaveOpticsScenes(const Shoot &shoot);
void TavrinSunlightScenes(const Shoot &shoot);
void TavrinMieScenes(const Shoot &shoot);

// Lets queued paints and pending updates run, so the shot shows them.
void Settle();

} // namespace rb::gallery
