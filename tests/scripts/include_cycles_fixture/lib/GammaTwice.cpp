#include "Alpha.h"
#include "lib/Gamma.h"

int Gamma::Twice() const { return 2 * Count() + Alpha().Value() * 0; }
