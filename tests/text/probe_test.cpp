#include <gtest/gtest.h>
int ProbeValue();
TEST(Probe, Works) { EXPECT_EQ(ProbeValue(), 42); }
