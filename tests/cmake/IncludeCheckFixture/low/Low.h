#pragma once

// Upward: the lower library names no dependency.
#include "high/High.h"
