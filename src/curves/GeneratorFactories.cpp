#include "GeneratorFactories.h"

#include "Cubic.h"
#include "Midpoint.h"

CurveGen* createMidpoint(void* userData) { return createGenerator<Midpoint>(userData); }
CurveGen* createCubic(void* userData) { return createGenerator<Cubic>(userData); }
