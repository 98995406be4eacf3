#include "lib/Gamma.h"

int Gamma::Count() const { return 1; }
