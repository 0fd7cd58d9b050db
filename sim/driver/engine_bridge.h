/* The C face of the simulated driver's state, for the kernel-mode shell. */
#ifndef NXWLHCOM_ENGINE_BRIDGE_H
#define NXWLHCOM_ENGINE_BRIDGE_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

int SimStartupValueCount(void);
const wchar_t* SimStartupValueName(int index);
void SimReset(const unsigned char* present, const uint32_t* values);
/* Bytes to hand back, or -1 when the request is refused and the buffer untouched. */
int32_t SimHandle(uint32_t code, void* buffer, uint32_t inLength, uint32_t outLength,
                  uint64_t nowMicroseconds);

#ifdef __cplusplus
}
#endif

#endif
