#include "TextObj.h"

#include "Panel.h"

void TextObj::draw() { owner->drawText(x, y, text); }
