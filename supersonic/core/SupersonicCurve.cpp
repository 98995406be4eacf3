#include "supersonic/core/SupersonicCurve.h"

#include <algorithm>

SupersonicCurve::SupersonicCurve(int capacityIn, int pointCountIn, bool curvedIn, bool lagrangeIn)
    : capacity(std::max(capacityIn, 0)),
      pointCount(std::max(pointCountIn, 0)),
      curved(curvedIn),
      supportPoints(static_cast<size_t>(capacity)),
      points(static_cast<size_t>(pointCount)),
      coefficients(static_cast<size_t>(capacity), 0.0),
      lagrange(lagrangeIn) {}
