// A test helper, the named library and one it reaches through it.
#include "tests/prog/Helper.h"
#include "high/High.h"
#include "low/Low.h"
#include <vector>
// Not reached from the program's dependencies.
#include "low/inner/Inner.h"
