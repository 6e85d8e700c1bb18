// The fake running IDE is recognised the way the wizard looks for one: by its window class.
#include <gtest/gtest.h>

#include "fixtures/runningide/RunningIde.h"
#include "platform/Ui.h"

namespace {

bool InspectorExists() { return platform::Ui().windowClassExists("TPropertyInspector"); }

TEST(RunningIde, ItsInspectorWindowIsFoundByClassWhileItRuns) {
    ASSERT_FALSE(InspectorExists()) << "an IDE stand-in from another run is still open";
    fixture::RunningIde ide;
    EXPECT_TRUE(InspectorExists());
    ASSERT_TRUE(ide.Close());
    EXPECT_FALSE(InspectorExists());
}

TEST(RunningIde, IsGoneOnceKilled) {
    {
        fixture::RunningIde ide;
        EXPECT_TRUE(InspectorExists());
    }
    EXPECT_FALSE(InspectorExists());
}

}  // namespace
