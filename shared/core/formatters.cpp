#include "formatters.h"

namespace {

std::string Decimal(int64_t value) {
    return std::to_string(value);
}

template <size_t N>
std::string NameOrInvalid(const std::array<std::string, N>& table, int index) {
    if (index < 1 || index >= static_cast<int>(N)) return "Invalid#" + Decimal(index);
    return table[static_cast<size_t>(index)];
}

// The low width hex digits, by hand: snprintf would carry the C library's whole formatter,
// floating point included, into every program.
std::string HexDigits(int64_t value, int width) {
    uint64_t bits = static_cast<uint64_t>(value);
    std::string text(static_cast<size_t>(width), '0');
    for (int digit = width - 1; digit >= 0; --digit, bits >>= 4)
        text[static_cast<size_t>(digit)] = "0123456789ABCDEF"[bits & 15];
    return text;
}

}  // namespace

std::string NumberText(int64_t value) {
    return value < 0 ? Decimal(value) : " " + Decimal(value);
}

std::string AccelerationName(const NameTables& names, int acceleration) {
    return NameOrInvalid(names.acceleration, acceleration);
}

std::string SoundLine(const NameTables& names, int soundMode) {
    return NameOrInvalid(names.sound, soundMode);
}

std::string ModeLine(const NameTables& names, int buttonMode, int rightButtonEnable,
                     int rightButtonAuto) {
    if (buttonMode < 1 || buttonMode > 4)
        return "Invalid#" + Decimal(buttonMode) + "," + Decimal(rightButtonEnable) + "," +
               Decimal(rightButtonAuto);
    std::string line = NameOrInvalid(names.mode, buttonMode) + ", RBF ";
    if (rightButtonEnable == 0) return line + "Disable";
    line += "Enable";
    // Only drag-and-drop mode switches the right button automatically or by hand.
    if (buttonMode == 4) line += rightButtonAuto == 1 ? " ( Automatic Mode )" : " ( Manual Mode )";
    return line;
}

std::string SpeedLine(const NameTables& names, int speedH, int speedV, int acceleration,
                      int bypassMode) {
    if (bypassMode != 0) return "Enable Bypass Mode";
    // The driver counts speed in steps of 5 %.
    return "HS=" + Decimal(5 * int64_t{speedH}) + "%, VS=" + Decimal(5 * int64_t{speedV}) +
           "%, Acceleration=" + AccelerationName(names, acceleration);
}

std::string TimeText(int64_t seconds) {
    int64_t minutes = seconds / 60;
    int64_t rest = seconds % 60;
    std::string text;
    if (minutes != 0) text += NumberText(minutes) + " Min. ";
    if (rest != 0) text += NumberText(rest) + " Sec.";
    return text;
}

std::string PowerDownLine(int sleepTime) {
    if (sleepTime == 0) return "Disable Power Down Function";
    return "Power Down When Idle " + TimeText(10 * int64_t{sleepTime});
}

std::string PortText(int comNumber, int64_t base, int64_t irq) {
    std::string port = "COM" + Decimal(comNumber);
    if (base != 0) return port + ", BasePort=" + Hex4(base) + "h, IRQ=" + Decimal(irq);
    // Without a base the driver puts a status where the interrupt number would be.
    if (irq == 255) return port + "..Not Found.";
    if (irq == 254) return port + "..Used by Other Device.";
    return port + "..Unabled (code=" + Decimal(irq) + ")";
}

std::string ProtocolName(int protocol) {
    if (protocol == 0) return "NXCOM";
    if (protocol == 1) return "VTCOM";
    return std::string();
}

std::string Hex2(int64_t value) {
    return HexDigits(value, 2);
}

std::string Hex4(int64_t value) {
    return HexDigits(value, 4);
}
