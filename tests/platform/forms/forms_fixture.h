#pragma once

// Every forms test runs on a fresh headless desktop with a fresh application object.

#include <gtest/gtest.h>

#include "platform/forms/application.h"
#include "platform/user/session.h"
#include "platform/user/testing/headless_desktop.h"
#include "platform/user/window_tree.h"

namespace win::forms::testing {

class FormsTest : public ::testing::Test {
protected:
    FormsTest() { App().ResetForTesting(); }
    ~FormsTest() override { App().ResetForTesting(); }

    static int WindowCount() { return static_cast<int>(user::Current()->AllWindows().size()); }
    static bool AnyTimerRuns() { return user::Current()->timers.NextDue().has_value(); }

    win::testing::HeadlessDesktop desktop;
};

}  // namespace win::forms::testing
