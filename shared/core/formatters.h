// The one-line texts the control panel shows for DriverBlock fields.
//
// The formatters that need names take the name tables as an argument instead of reading a
// global: the main window owns the one filled instance and passes it, and tests pass their own.
// Every formatter accepts any int (so any byte or 16-bit field) and never indexes a table
// outside its range.
#pragma once

#include <stdint.h>

#include <string>

#include "name_tables.h"

// The number format of the status texts: a space where a minus sign would stand, so 5 gives
// " 5" and -5 gives "-5".
std::string NumberText(int64_t value);

std::string AccelerationName(const NameTables& names, int acceleration);
std::string SoundLine(const NameTables& names, int soundMode);
std::string ModeLine(const NameTables& names, int buttonMode, int rightButtonEnable,
                     int rightButtonAuto);
std::string SpeedLine(const NameTables& names, int speedH, int speedV, int acceleration,
                      int bypassMode);

// Negative seconds divide toward zero, so both parts carry the sign.
std::string TimeText(int64_t seconds);
// sleepTime in units of 10 seconds, 0 = power-down disabled.
std::string PowerDownLine(int sleepTime);

// base and irq come either from the DriverBlock (16-bit base, 8-bit irq) or from the port
// table (32-bit, -1 when Windows gave none); the base shows its low 16 bits either way.
std::string PortText(int comNumber, int64_t base, int64_t irq);
std::string ProtocolName(int protocol);

// Upper-case hexadecimal of the low 8 / low 16 bits of the two's-complement pattern.
std::string Hex2(int64_t value);
std::string Hex4(int64_t value);
