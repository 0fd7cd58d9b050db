// Fits the right-button tool's window around its button and puts it in the work area's
// bottom-right corner.
#pragma once

#include "form.h"

void PlaceToolInCorner(forms::Form& form, forms::Control& button);
