#include <gtest/gtest.h>

#include "runtime/memory.h"

TEST(Memory, Placeholder) { EXPECT_NE(rt::AllocMem(1), nullptr); }
