#include <gtest/gtest.h>
#include "rt/text.hpp"
using namespace zemlar;
TEST(Text, Placeholder) { EXPECT_EQ(trim("  a  "), "a"); }
