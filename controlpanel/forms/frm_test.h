#pragma once

#include "form_spec.h"

// frmTest: the full-screen drawing test.
FormSpec TestFormSpec();
