#pragma once

int CalibrationBench(unsigned stretchMs);
