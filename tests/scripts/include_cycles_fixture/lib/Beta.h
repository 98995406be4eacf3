#pragma once
#include "lib/Gamma.h"

struct Beta {
    int Value() const { return Gamma().Count(); }
};
