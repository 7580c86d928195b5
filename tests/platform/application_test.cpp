#include <gtest/gtest.h>

#include "platform/application.h"

TEST(Application, ExistsForTheWholeTestProgram) { EXPECT_TRUE(platform::Application::Exists()); }
