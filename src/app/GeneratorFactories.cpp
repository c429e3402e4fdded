#include "GeneratorFactories.h"

#include "BB.h"
#include "BSpline.h"
#include "Cubic.h"
#include "Midpoint.h"
#include "NLI.h"
#include "Polynomial.h"

CurveGen* createBSpline(void* userData) { return createGenerator<BSpline>(userData); }
CurveGen* createPolynomial(void* userData) { return createGenerator<Polynomial>(userData); }
CurveGen* createNLI(void* userData) { return createGenerator<NLI>(userData); }
CurveGen* createBB(void* userData) { return createGenerator<BB>(userData); }
CurveGen* createMidpoint(void* userData) { return createGenerator<Midpoint>(userData); }
CurveGen* createCubic(void* userData) { return createGenerator<Cubic>(userData); }
