#include "HiddenPolygon.h"

#include "GeneratorControls.h"

HiddenPolygon::HiddenPolygon(Panel& panel) : drawingPanel(panel) { showControlPolygon(drawingPanel, 0); }

HiddenPolygon::~HiddenPolygon() { showControlPolygon(drawingPanel, 1); }
