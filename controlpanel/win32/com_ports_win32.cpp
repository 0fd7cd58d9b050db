#include "com_ports_win32.h"

#include <windows.h>
#include <setupapi.h>
#include <cfgmgr32.h>
// Defines the class GUIDs here instead of needing a uuid library beside setupapi.
#include <initguid.h>
#include <devguid.h>

#include <string.h>

#include <optional>
#include <string>

namespace basComPorts {

namespace {

class DeviceSet {
public:
    DeviceSet()
        : handle_(SetupDiGetClassDevsA(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT)) {}
    ~DeviceSet() {
        if (isOpen()) SetupDiDestroyDeviceInfoList(handle_);
    }
    DeviceSet(const DeviceSet&) = delete;
    DeviceSet& operator=(const DeviceSet&) = delete;

    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HDEVINFO handle() const { return handle_; }

private:
    HDEVINFO handle_;
};

class LogConfHandle {
public:
    explicit LogConfHandle(LOG_CONF handle) : handle_(handle) {}
    ~LogConfHandle() { CM_Free_Log_Conf_Handle(handle_); }
    LogConfHandle(const LogConfHandle&) = delete;
    LogConfHandle& operator=(const LogConfHandle&) = delete;

    LOG_CONF get() const { return handle_; }

private:
    LOG_CONF handle_;
};

class ResDesHandle {
public:
    explicit ResDesHandle(RES_DES handle) : handle_(handle) {}
    ~ResDesHandle() { CM_Free_Res_Des_Handle(handle_); }
    ResDesHandle(const ResDesHandle&) = delete;
    ResDesHandle& operator=(const ResDesHandle&) = delete;

    RES_DES get() const { return handle_; }

private:
    RES_DES handle_;
};

bool IsStringType(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ;
}

// Sized from the value itself, so a name of any length is read whole and never overruns.
std::optional<std::string> ReadPortName(HKEY key) {
    // The value can grow between asking its size and reading it; a few tries are plenty.
    for (int attempt = 0; attempt < 3; ++attempt) {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(key, "PortName", nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
            !IsStringType(type))
            return std::nullopt;
        std::string bytes(size, '\0');
        LONG result = RegQueryValueExA(key, "PortName", nullptr, &type,
                                       reinterpret_cast<BYTE*>(&bytes[0]), &size);
        if (result == ERROR_MORE_DATA) continue;
        if (result != ERROR_SUCCESS || !IsStringType(type)) return std::nullopt;
        bytes.resize(size);
        return bytes;
    }
    return std::nullopt;
}

std::optional<std::string> ReadPortName(HDEVINFO devices, SP_DEVINFO_DATA& device) {
    HKEY key = SetupDiOpenDevRegKey(devices, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    if (key == INVALID_HANDLE_VALUE) return std::nullopt;
    std::optional<std::string> name = ReadPortName(key);
    RegCloseKey(key);
    return name;
}

std::optional<NodeStatus> ReadNodeStatus(DEVINST node) {
    ULONG status = 0;
    ULONG problem = 0;
    if (CM_Get_DevNode_Status(&status, &problem, node, 0) != CR_SUCCESS) return std::nullopt;
    return NodeStatus{status, problem};
}

// Adds the descriptor's allocated I/O range or IRQ; other types and unreadable data add nothing.
void ReadDescriptor(RES_DES descriptor, RESOURCEID type, PortConfiguration& configuration) {
    if (type != ResType_IO && type != ResType_IRQ) return;
    ULONG size = 0;
    if (CM_Get_Res_Des_Data_Size(&size, descriptor, 0) != CR_SUCCESS) return;
    std::vector<BYTE> data(size);
    if (CM_Get_Res_Des_Data(descriptor, data.data(), size, 0) != CR_SUCCESS) return;
    if (type == ResType_IO && size >= sizeof(IO_DES)) {
        IO_DES io;
        memcpy(&io, data.data(), sizeof io);
        configuration.ioRanges.push_back({io.IOD_Alloc_Base, io.IOD_Alloc_End});
    } else if (type == ResType_IRQ && size >= sizeof(IRQ_DES)) {
        IRQ_DES irq;
        memcpy(&irq, data.data(), sizeof irq);
        configuration.irqs.push_back(irq.IRQD_Alloc_Num);
    }
}

std::optional<PortConfiguration> ReadConfiguration(DEVINST node, ULONG which) {
    LOG_CONF first = 0;
    if (CM_Get_First_Log_Conf(&first, node, which) != CR_SUCCESS) return std::nullopt;
    LogConfHandle logConf(first);
    PortConfiguration configuration;
    std::optional<ResDesHandle> current;
    for (;;) {
        RES_DES next = 0;
        RESOURCEID type = 0;
        RES_DES from = current ? current->get() : logConf.get();
        if (CM_Get_Next_Res_Des(&next, from, ResType_All, &type, 0) != CR_SUCCESS) break;
        current.emplace(next);
        ReadDescriptor(current->get(), type, configuration);
    }
    return configuration;
}

PortDevice ReadDevice(HDEVINFO devices, SP_DEVINFO_DATA& info) {
    PortDevice device;
    device.portName = ReadPortName(devices, info);
    device.nodeStatus = ReadNodeStatus(info.DevInst);
    device.allocated = ReadConfiguration(info.DevInst, ALLOC_LOG_CONF);
    device.forced = ReadConfiguration(info.DevInst, FORCED_LOG_CONF);
    device.boot = ReadConfiguration(info.DevInst, BOOT_LOG_CONF);
    return device;
}

}  // namespace

std::vector<PortDevice> FetchPortDevices() {
    std::vector<PortDevice> found;
    DeviceSet devices;
    if (!devices.isOpen()) return found;
    SP_DEVINFO_DATA info = {};
    info.cbSize = sizeof info;
    for (DWORD index = 0; SetupDiEnumDeviceInfo(devices.handle(), index, &info); ++index)
        found.push_back(ReadDevice(devices.handle(), info));
    return found;
}

}  // namespace basComPorts
