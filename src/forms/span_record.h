// The worksheet as one span file holds it: the project texts, the installed temperature,
// the loading-window settings, the selected cables' names, the bundle diameter, the span
// entries and the options. Saving captures the screen into it and writes it whole; opening
// reads it whole and restores the screen from it.
//
// It is also the home of two program-wide values other operations read and write directly,
// `selectedDistrict` and `fixedDiameterFlag`, so opening a file replaces them too. The unit
// flag travels with it (`metricUnits`): the unit table converts with its own copy, which the
// record takes when it is saved and gives back when it is opened.
//
// Texts are UTF-8 here and 8-bit at the file's edge; each keeps the blanks that fill its field.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace cn3 {

struct SpanRecord {
    static constexpr int kCableNames = 21;  // at most 20 cables, then a blank entry

    std::uint8_t metricUnits = 0;
    std::string name, date, spanId, notes;              // 30, 15, 20 and 200 characters
    std::int16_t installedTemperature = 0;              // deg F
    std::uint8_t selectedDistrict = 2;                  // 0 Heavy, 1 Medium, 2 Light
    std::array<std::uint8_t, 2> userLoadings{};         // "User Loading1", "User Loading2" ticks
    std::array<std::string, 25> loadingCells{};         // the loading window's cells, 8 each
    std::array<std::string, kCableNames> cableNames{};  // 20 each
    float bundleDiameter = 0.0f;                        // as shown, display units
    std::uint8_t fixedDiameterFlag = 0;        // non-zero: opening shows the stored diameter
    std::array<std::string, 5> spanEntries{};  // Text9[0..4] as typed, 8 each
    std::uint8_t sagMode = 0;                  // 0 "Absolute", 1 "Percent"
    std::uint8_t showTemperatureEffect = 0;    // Check2
    std::uint8_t showPointOfInterest = 0;      // Check1[0]
    std::uint8_t showVectorAnalysis = 0;       // Check1[1]

    bool operator==(const SpanRecord&) const = default;
};

}  // namespace cn3
