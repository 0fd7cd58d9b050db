#pragma once

#include "form_spec.h"

// frmAccuracy: the full-screen accuracy check over the drawing test, and its result.
FormSpec AccuracyFormSpec();
