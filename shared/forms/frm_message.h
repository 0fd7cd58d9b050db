#pragma once

#include "form_spec.h"

extern const FormSpec kMessageForm;
