#pragma once

#include "form_spec.h"

FormSpec McuInfoFormSpec();
