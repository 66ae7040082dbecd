// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Test main for window tests: GoogleTest reads its flags first (test
// discovery lists the tests without a display), then the application starts.
#include "common/app/app.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    rb::PrepareEnvironment();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    rb::InitApplication(app);
    return RUN_ALL_TESTS();
}
