#pragma once

int RightButtonBench(unsigned stretchMs);
