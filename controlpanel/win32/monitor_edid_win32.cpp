#include "monitor_edid_win32.h"

#include <windows.h>
#include <setupapi.h>

#include <vector>

namespace {

// GUID_DEVINTERFACE_MONITOR
const GUID kMonitorInterface = {
    0xe6f07b5f, 0xee97, 0x4a90, {0xb0, 0x76, 0x33, 0xf5, 0x7b, 0xf4, 0xea, 0xa7}};

// The whole block, however many extension blocks follow the first: a buffer too small for it
// would get none of it.
std::vector<BYTE> WholeEdid(HKEY key) {
    std::vector<BYTE> edid;
    DWORD size = 0, type = 0;
    LONG status = RegQueryValueExW(key, L"EDID", nullptr, &type, nullptr, &size);
    // the value may grow between the two calls: ask again with the size it has now
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        if (type != REG_BINARY || size == 0) return {};
        edid.resize(size);
        status = RegQueryValueExW(key, L"EDID", nullptr, &type, edid.data(), &size);
        if (status == ERROR_SUCCESS && type == REG_BINARY) {
            edid.resize(size);
            return edid;
        }
    }
    return {};
}

std::optional<PhysicalSize> SizeInRegistryOf(HDEVINFO set, SP_DEVINFO_DATA& device) {
    HKEY key = SetupDiOpenDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    if (key == INVALID_HANDLE_VALUE) return std::nullopt;
    std::vector<BYTE> edid = WholeEdid(key);
    RegCloseKey(key);
    return PhysicalSizeFromEdid(edid.data(), edid.size());
}

}  // namespace

std::optional<PhysicalSize> PrimaryMonitorPhysicalSize() {
    MONITORINFOEXA monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoA(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor))
        return std::nullopt;
    // the first monitor on the primary display's adapter, named by its device interface
    DISPLAY_DEVICEA display{};
    display.cb = sizeof display;
    if (!EnumDisplayDevicesA(monitor.szDevice, 0, &display, EDD_GET_DEVICE_INTERFACE_NAME))
        return std::nullopt;
    HDEVINFO set = SetupDiGetClassDevsA(&kMonitorInterface, nullptr, nullptr,
                                        DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE) return std::nullopt;
    std::optional<PhysicalSize> size;
    SP_DEVICE_INTERFACE_DATA entry{};
    entry.cbSize = sizeof entry;
    for (DWORD i = 0; SetupDiEnumDeviceInterfaces(set, nullptr, &kMonitorInterface, i, &entry);
         ++i) {
        DWORD needed = 0;
        SetupDiGetDeviceInterfaceDetailA(set, &entry, nullptr, 0, &needed, nullptr);
        if (needed < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A)) continue;
        std::vector<char> buffer(needed);
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(buffer.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
        SP_DEVINFO_DATA device{};
        device.cbSize = sizeof device;
        if (!SetupDiGetDeviceInterfaceDetailA(set, &entry, detail, needed, nullptr, &device))
            continue;
        if (lstrcmpiA(detail->DevicePath, display.DeviceID) != 0) continue;
        size = SizeInRegistryOf(set, device);
        break;
    }
    SetupDiDestroyDeviceInfoList(set);
    return size;
}
