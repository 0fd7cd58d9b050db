#pragma once

#include "form_spec.h"

// frmAutoScan: the port and device of the automatic search.
FormSpec AutoScanFormSpec();
