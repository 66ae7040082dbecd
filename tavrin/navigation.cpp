// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/navigation.h"

#include "tavrin/raymodel/form2.h"
#include "tavrin/start/form3.h"
#include "tavrin/sunlight/sun_form.h"
#include "tavrin/wavemodel/form5.h"

namespace rb::tavrin {

// Never destroyed by the exit handlers: when the display connection breaks,
// the toolkit ends the process with exit(), which runs them while the
// application object on main's stack still stands and the toolkit's own
// statics are going away. Destroying a window then crashes inside the
// toolkit, so the windows are left to the end of the process there; on every
// ordinary end main destroys them through Reset before the application goes.
Navigation &Navigation::Get()
{
    static Navigation *const navigation = new Navigation;
    return *navigation;
}

Navigation::~Navigation() = default;

Form3 &Navigation::StartForm()
{
    if (!start_) {
        start_ = std::make_unique<Form3>();
        // The requests arrive while the button's handler runs: the model's
        // window is in front before the start window hides itself.
        QObject::connect(start_.get(), &Form3::RayModelRequested, [this] { RayForm().BringToUser(); });
        QObject::connect(start_.get(), &Form3::WaveModelRequested, [this] { WaveForm().BringToUser(); });
        start_->Form_Load();
    }
    return *start_;
}

form2 &Navigation::RayForm()
{
    if (!ray_) {
        ray_ = std::make_unique<form2>();
        QObject::connect(ray_.get(), &form2::StartRequested, [this] { StartForm().BringToUser(); });
        ray_->Form_Load();
    }
    return *ray_;
}

Form5 &Navigation::WaveForm()
{
    if (!wave_) {
        wave_ = std::make_unique<Form5>();
        // The wave model covers most of the screen: the start window comes
        // in front of it.
        QObject::connect(wave_.get(), &Form5::StartRequested, [this] { StartForm().BringToUser(); });
        QObject::connect(wave_.get(), &Form5::SunlightRequested, [this] { SunlightForm().BringToUser(); });
        wave_->Form_Load();
    }
    return *wave_;
}

// The sunlight window opens from the wave model's; closing it closes only
// it, and it comes back as it was left.
SunForm &Navigation::SunlightForm()
{
    if (!sun_) {
        sun_ = std::make_unique<SunForm>();
        sun_->Form_Load();
    }
    return *sun_;
}

void Navigation::Reset()
{
    sun_.reset();
    wave_.reset();
    ray_.reset();
    start_.reset();
}

} // namespace rb::tavrin
