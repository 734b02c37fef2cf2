#include <gtest/gtest.h>
int ProbeWin();
TEST(ProbeWin, Screen) { EXPECT_EQ(ProbeWin(), 1024); }
