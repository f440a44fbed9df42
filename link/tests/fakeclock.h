#pragma once

// The fake clock is shared by the tests of every folder above base.
#include "base/tests/fakeclock.h"
