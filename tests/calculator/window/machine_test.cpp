#include "calculator/window/machine.h"
#include <gtest/gtest.h>
TEST(Machine, Builds) { SUCCEED(); }
