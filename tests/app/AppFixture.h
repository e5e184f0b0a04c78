#pragma once

#include "support/FakeServices.h"

// A program directory with fresh databases and the desktop replaced by test doubles.
using AppFixture = FakeServices;
