// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The three windows of tavrin and the ways between them. Each window is
// created and loaded the first time it is needed and then only shown and
// hidden, so it keeps its state and options for as long as the program runs.
// The windows know nothing of each other: each announces what the user asked
// for (a model, the start window), and the navigation brings that window.
#pragma once

#include <memory>

namespace rb::tavrin {

class Form3;
class form2;
class Form5;
class SunForm;

class Navigation {
public:
    static Navigation &Get();

    // The window, created and loaded on first use.
    Form3 &StartForm();
    form2 &RayForm();
    Form5 &WaveForm();
    SunForm &SunlightForm();

    // The window if it was ever loaded, else null.
    Form3 *LoadedStartForm() const { return start_.get(); }
    form2 *LoadedRayForm() const { return ray_.get(); }
    Form5 *LoadedWaveForm() const { return wave_.get(); }
    SunForm *LoadedSunlightForm() const { return sun_.get(); }

    // Destroys every window; the program calls it once its event loop has
    // returned, tests between cases.
    void Reset();

    ~Navigation();

private:
    Navigation() = default;
    std::unique_ptr<Form3> start_;
    std::unique_ptr<form2> ray_;
    std::unique_ptr<Form5> wave_;
    std::unique_ptr<SunForm> sun_;
};

} // namespace rb::tavrin
