// Prepares the process for windows on X11 before any test opens a display, as the substitute host's
// executable does: the bundle's framework talks to the X server from more than one thread.
#include "X11Platform.h"

#include <gtest/gtest.h>

namespace
{
class X11TestEnvironment final : public testing::Environment
{
public:
    void SetUp() override { aaxhost::initialiseX11(); }
};

[[maybe_unused]] testing::Environment* const environment = testing::AddGlobalTestEnvironment (new X11TestEnvironment);
}
