// The fake running IDE is recognised the way the wizard looks for one: by its window class.
#include <gtest/gtest.h>

#include "fixtures/runningide/RunningIde.h"
#include "platform/Ui.h"
#include "tests/support/WaitFor.h"

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
    // A killed program's windows go with it, though not necessarily at once.
    EXPECT_TRUE(test::WaitFor([] { return !InspectorExists(); }, std::chrono::seconds(30)));
}

}  // namespace
