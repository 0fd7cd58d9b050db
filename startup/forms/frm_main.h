#pragma once

#include "form_spec.h"

// frmMain: the log-on banner and the double-click configuration window.
FormSpec StartupMainFormSpec();
