#pragma once

#include "low/Low.h"
// Inside low/, but a library high does not name.
#include "low/inner/Inner.h"
