#include "lib/Alpha.h"

#include "lib/Beta.h"

int Alpha::Value() const { return Beta().Value(); }
