#include "GeneratorFactories.h"

#include "Midpoint.h"

CurveGen* createMidpoint(void* userData) { return createGenerator<Midpoint>(userData); }
