#include "calibration_validity.h"

namespace {

constexpr int kNarrowestHalf = 256;  // raw units

}  // namespace

std::string ValidityDigits(const CalibrationEdges& edges) {
    std::string digits;
    if (edges.CalXMid - edges.CalXMin < kNarrowestHalf) digits += '1';
    if (edges.CalXMax - edges.CalXMid < kNarrowestHalf) digits += '2';
    if (edges.CalYMid - edges.CalYMin < kNarrowestHalf) digits += '3';
    if (edges.CalYMax - edges.CalYMid < kNarrowestHalf) digits += '4';
    return digits;
}

std::string InvalidResultMessage(const std::string& digits) {
    return "Invalid Result of Calibration! (" + digits + ")\r\n\r\n" +
           "It may be cause by that you have calibrated with touch on invalid position.";
}
