#pragma once

// A library of its own inside low/, which it names.
#include "low/Low.h"
