/* Simulated touch driver: the control device \\.\NXWLHCOM in front of a simulated controller.
 * All state lives in the engine; this shell binds it to the I/O manager and the registry. */
#include <ntddk.h>

#include "engine_bridge.h"

#define SIM_RESET_CODE ((0xA357u << 16) | (0x909u << 2))

static KSPIN_LOCK gEngineLock;
static PDEVICE_OBJECT gDevice;
static LARGE_INTEGER gTicksPerSecond;

static uint64_t NowMicroseconds(void) {
    LARGE_INTEGER ticks = KeQueryPerformanceCounter(NULL);
    return (uint64_t)(ticks.QuadPart / gTicksPerSecond.QuadPart) * 1000000u +
           (uint64_t)(ticks.QuadPart % gTicksPerSecond.QuadPart) * 1000000u /
               (uint64_t)gTicksPerSecond.QuadPart;
}

/* Reads the start-up DWORD values of the configuration key; a missing key leaves all absent. */
static void ReadStartupValues(unsigned char* present, uint32_t* values) {
    UNICODE_STRING path;
    OBJECT_ATTRIBUTES attributes;
    HANDLE key;
    int i;
    RtlInitUnicodeString(&path, L"\\Registry\\Machine\\SOFTWARE\\Brinvale\\TouchScreen\\NX-COM");
    InitializeObjectAttributes(&attributes, &path, OBJ_CASE_INSENSITIVE | OBJ_KERNEL_HANDLE, NULL,
                               NULL);
    for (i = 0; i < SimStartupValueCount(); ++i) present[i] = 0;
    if (!NT_SUCCESS(ZwOpenKey(&key, KEY_READ, &attributes))) return;
    for (i = 0; i < SimStartupValueCount(); ++i) {
        UCHAR data[sizeof(KEY_VALUE_PARTIAL_INFORMATION) + 16];
        PKEY_VALUE_PARTIAL_INFORMATION info = (PKEY_VALUE_PARTIAL_INFORMATION)data;
        UNICODE_STRING name;
        ULONG length = 0;
        RtlInitUnicodeString(&name, SimStartupValueName(i));
        if (NT_SUCCESS(ZwQueryValueKey(key, &name, KeyValuePartialInformation, data, sizeof data,
                                       &length)) &&
            info->Type == REG_DWORD && info->DataLength == sizeof(uint32_t)) {
            memcpy(&values[i], info->Data, sizeof(uint32_t));
            present[i] = 1;
        }
    }
    ZwClose(key);
}

static void ResetEngine(void) {
    unsigned char present[16];
    uint32_t values[16];
    KIRQL irql;
    ReadStartupValues(present, values);
    KeAcquireSpinLock(&gEngineLock, &irql);
    SimReset(present, values);
    KeReleaseSpinLock(&gEngineLock, irql);
}

static NTSTATUS Complete(PIRP irp, NTSTATUS status, ULONG_PTR information) {
    irp->IoStatus.Status = status;
    irp->IoStatus.Information = information;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
    return status;
}

static NTSTATUS DispatchOpenClose(PDEVICE_OBJECT device, PIRP irp) {
    (void)device;
    return Complete(irp, STATUS_SUCCESS, 0);
}

static NTSTATUS DispatchControl(PDEVICE_OBJECT device, PIRP irp) {
    PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
    ULONG code = stack->Parameters.DeviceIoControl.IoControlCode;
    ULONG inLength = stack->Parameters.DeviceIoControl.InputBufferLength;
    ULONG outLength = stack->Parameters.DeviceIoControl.OutputBufferLength;
    /* only buffered requests hand us a system buffer we may trust for max(in, out) bytes */
    void* buffer = METHOD_FROM_CTL_CODE(code) == METHOD_BUFFERED ? irp->AssociatedIrp.SystemBuffer
                                                                 : NULL;
    KIRQL irql;
    int32_t answered;
    (void)device;
    if (code == SIM_RESET_CODE) {
        if (buffer == NULL || inLength != 4 || outLength != 4)
            return Complete(irp, STATUS_INVALID_PARAMETER, 0);
        ResetEngine();
        return Complete(irp, STATUS_SUCCESS, 4);
    }
    KeAcquireSpinLock(&gEngineLock, &irql);
    answered = SimHandle(code, buffer, inLength, outLength, NowMicroseconds());
    KeReleaseSpinLock(&gEngineLock, irql);
    if (answered < 0) return Complete(irp, STATUS_INVALID_PARAMETER, 0);
    return Complete(irp, STATUS_SUCCESS, (ULONG_PTR)answered);
}

static void NTAPI DriverUnload(PDRIVER_OBJECT driver) {
    UNICODE_STRING link;
    (void)driver;
    RtlInitUnicodeString(&link, L"\\DosDevices\\NXWLHCOM");
    IoDeleteSymbolicLink(&link);
    if (gDevice) IoDeleteDevice(gDevice);
}

NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING registryPath) {
    UNICODE_STRING name, link;
    NTSTATUS status;
    (void)registryPath;
    KeInitializeSpinLock(&gEngineLock);
    KeQueryPerformanceCounter(&gTicksPerSecond);
    ResetEngine();
    RtlInitUnicodeString(&name, L"\\Device\\NXWLHCOM");
    status = IoCreateDevice(driver, 0, &name, FILE_DEVICE_UNKNOWN, 0, FALSE, &gDevice);
    if (!NT_SUCCESS(status)) return status;
    RtlInitUnicodeString(&link, L"\\DosDevices\\NXWLHCOM");
    status = IoCreateSymbolicLink(&link, &name);
    if (!NT_SUCCESS(status)) {
        IoDeleteDevice(gDevice);
        gDevice = NULL;
        return status;
    }
    driver->MajorFunction[IRP_MJ_CREATE] = DispatchOpenClose;
    driver->MajorFunction[IRP_MJ_CLOSE] = DispatchOpenClose;
    driver->MajorFunction[IRP_MJ_DEVICE_CONTROL] = DispatchControl;
    driver->DriverUnload = DriverUnload;
    return STATUS_SUCCESS;
}
