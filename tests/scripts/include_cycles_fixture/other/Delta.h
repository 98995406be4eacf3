#pragma once
#include "lib/Alpha.h"
#include <vector>
