#include "block_text.h"

#include <cctype>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "../../shared/core/driver_requests.h"

namespace {

const uint8_t* Bytes(const DriverBlock& block) { return reinterpret_cast<const uint8_t*>(&block); }

int64_t ReadUnsigned(const uint8_t* bytes, int width) {
    int64_t value = 0;
    for (int i = width - 1; i >= 0; --i) value = value * 256 + bytes[i];
    return value;
}

std::string FieldValue(const uint8_t* bytes, const BlockField& field) {
    const uint8_t* at = bytes + field.offset;
    char text[32];
    switch (field.format) {
        case FieldFormat::HexBytes:
            std::snprintf(text, sizeof text, "%02X%02X%02X%02X", at[0], at[1], at[2], at[3]);
            break;
        case FieldFormat::Signed:
            std::snprintf(text, sizeof text, "%d", int(int16_t(at[0] | (at[1] << 8))));
            break;
        case FieldFormat::Unsigned:
            std::snprintf(text, sizeof text, "%" PRId64, ReadUnsigned(at, field.width));
            break;
    }
    return text;
}

std::string Assignment(const char* name, long long value) {
    return std::string(name) + "=" + std::to_string(value);
}

const BlockField* FindField(const std::string& name) {
    for (const BlockField& field : kBlockFields)
        if (name == field.name) return &field;
    return nullptr;
}

bool ParseInteger(const std::string& text, long long& value) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    value = std::strtoll(text.c_str(), &end, hex ? 16 : 10);
    return errno == 0 && end != nullptr && *end == '\0';
}

bool ParseHexBytes(const std::string& text, uint8_t out[4]) {
    if (text.size() != 8) return false;
    for (char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    for (int i = 0; i < 4; ++i)
        out[i] = uint8_t(std::strtoul(text.substr(2 * i, 2).c_str(), nullptr, 16));
    return true;
}

template <typename Record>
Record DataAs(const SimLogEntry& entry) {
    Record record;
    std::memcpy(&record, entry.Data, sizeof record);
    return record;
}

}  // namespace

std::vector<std::string> StatusLines(const DriverBlock& block) {
    std::vector<std::string> lines;
    for (const BlockField& field : kBlockFields)
        lines.push_back(std::string(field.name) + "=" + FieldValue(Bytes(block), field));
    return lines;
}

bool AssignField(DriverBlock& block, const std::string& assignment, std::string& error) {
    size_t equals = assignment.find('=');
    if (equals == std::string::npos) {
        error = "expected Name=value, got \"" + assignment + "\"";
        return false;
    }
    std::string name = assignment.substr(0, equals), text = assignment.substr(equals + 1);
    const BlockField* field = FindField(name);
    if (field == nullptr) {
        error = "no DriverBlock field is called \"" + name + "\"";
        return false;
    }
    uint8_t* at = reinterpret_cast<uint8_t*>(&block) + field->offset;
    if (field->format == FieldFormat::HexBytes) {
        if (!ParseHexBytes(text, at)) {
            error = name + " takes eight hexadecimal digits";
            return false;
        }
        return true;
    }
    long long value = 0;
    long long low = field->format == FieldFormat::Signed ? -32768 : 0;
    long long high = field->format == FieldFormat::Signed ? 65535 : (1LL << (8 * field->width)) - 1;
    if (!ParseInteger(text, value) || value < low || value > high) {
        error = name + " takes a number from " + std::to_string(low) + " to " +
                std::to_string(high) + ", got \"" + text + "\"";
        return false;
    }
    for (int i = 0; i < field->width; ++i) at[i] = uint8_t(uint64_t(value) >> (8 * i));
    return true;
}

std::string LogLine(const SimLogEntry& entry) {
    const DriverRequest* request = FindDriverRequest(entry.Code);
    std::string line;
    if (request != nullptr) {
        line = request->name;
    } else {
        char code[16];
        std::snprintf(code, sizeof code, "0x%08" PRIX32, entry.Code);
        line = code;
    }
    if (!entry.Accepted) {
        return line + " refused " + Assignment("InLength", entry.InLength) + " " +
               Assignment("OutLength", entry.OutLength);
    }
    std::vector<std::string> fields;
    if (request->rangeCount > 0) {
        for (const BlockField& field : kBlockFields)
            if (RequestAppliesByte(*request, field.offset))
                fields.push_back(std::string(field.name) + "=" + FieldValue(entry.Data, field));
    }
    switch (entry.Code) {
        case IOCTL_READ_TOUCH:
            fields.push_back(Assignment("Count", 1LL + entry.Repeat));
            break;
        case IOCTL_SET_CALIBRATION_STATE:
            fields.push_back(Assignment("State", DataAs<CalibrationStateCommand>(entry).State));
            break;
        case IOCTL_SET_COM_RESOURCES: {
            auto r = DataAs<ComResourceRecord>(entry);
            fields = {Assignment("ComNumber", r.ComNumber), Assignment("FirstAddress", r.FirstAddress),
                      Assignment("LastAddress", r.LastAddress), Assignment("Irq", r.Irq),
                      Assignment("Status", r.Status), Assignment("Problem", r.Problem),
                      Assignment("Configuration", r.Configuration)};
            break;
        }
        case IOCTL_SET_RB_WINDOW: {
            auto r = DataAs<WindowRecord>(entry);
            fields = {Assignment("Handle", r.Handle), Assignment("Armed", r.Word)};
            break;
        }
        case IOCTL_SOUND_TEST: {
            auto r = DataAs<SoundTestRecord>(entry);
            fields = {Assignment("Tone", r.Tone), Assignment("Duration", r.Duration)};
            break;
        }
    }
    for (const std::string& field : fields) line += " " + field;
    return line;
}

std::vector<std::string> WindowLines(const SimWindows& windows) {
    return {"RB=" + std::to_string(windows.RightButtonHandle) +
                " armed=" + std::to_string(windows.Armed),
            "SMI=" + std::to_string(windows.SmiHandle) +
                " rotation=" + std::to_string(windows.Rotation)};
}

std::vector<std::string> StateLines(const SimState& state) {
    std::vector<std::string> lines = {
        Assignment("CalibrationState", state.CalibrationState),
        Assignment("SoundTests", state.SoundTests),
        Assignment("LastTone", state.LastSoundTest.Tone),
        Assignment("LastDuration", state.LastSoundTest.Duration),
        Assignment("Touched", state.Touched),
        Assignment("Counter", state.Counter),
    };
    for (const ComResourceRecord& r : state.Resources) {
        lines.push_back("COM" + std::to_string(r.ComNumber) + " " +
                        Assignment("FirstAddress", r.FirstAddress) + " " +
                        Assignment("LastAddress", r.LastAddress) + " " + Assignment("Irq", r.Irq) +
                        " " + Assignment("Status", r.Status) + " " +
                        Assignment("Problem", r.Problem) + " " +
                        Assignment("Configuration", r.Configuration));
    }
    return lines;
}
