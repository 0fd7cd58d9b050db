#include "sim_channel.h"

SimChannel::SimChannel()
    : handle_(CreateFileA("\\\\.\\NXWLHCOM", GENERIC_READ | GENERIC_WRITE,
                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr)) {}

SimChannel::~SimChannel() {
    if (isOpen()) CloseHandle(handle_);
}

bool SimChannel::request(uint32_t code, void* buffer, DWORD inLength, DWORD outLength,
                         DWORD* returned) const {
    DWORD count = 0;
    BOOL ok = DeviceIoControl(handle_, code, buffer, inLength, buffer, outLength, &count, nullptr);
    if (returned) *returned = count;
    return ok != FALSE;
}
