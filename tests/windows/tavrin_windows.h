// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The fixture of tests that open tavrin's windows through its navigation:
// each test starts with no window loaded and no end requested, and leaves
// it so, whatever it opened or ended.
#pragma once

#include "common/widgets/event_loop.h"
#include "tavrin/navigation.h"

#include <gtest/gtest.h>

namespace rb::testing {

class TavrinWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        tavrin::Navigation::Get().Reset();
        ResetEndRequest();
    }
    void TearDown() override
    {
        tavrin::Navigation::Get().Reset();
        ResetEndRequest();
    }
};

} // namespace rb::testing
