// The radio bands of the stations and services that world data lists, in kHz. A frequency
// outside the band of its kind is a fault of the data (a sign, a unit or a digit wrong) and
// makes its row malformed; inside, it also fits the arithmetic and the fields it goes to.
#pragma once

namespace worlddata {

struct FrequencyBand {
    const char* name;  // "VOR": the frequency is outside the VOR band
    double lowestKhz;
    double highestKhz;

    // False for a number that is none (NaN).
    constexpr bool Contains(double khz) const { return khz >= lowestKhz && khz <= highestKhz; }
};

// Non-directional beacons as world data lists them: the low-frequency beacons below the
// 190 kHz of the usual band are real (Siberia, China, the Pacific), and an ADF dial ends
// at 1799 kHz.
inline constexpr FrequencyBand NdbBand{"NDB", 100, 1799};
inline constexpr FrequencyBand VorBand{"VOR", 108000, 117950};
inline constexpr FrequencyBand LocalizerBand{"localizer", 108100, 111950};
// The VHF frequencies that DME and TACAN channels are paired with: those of VORs and
// localizers, and up to 135.95 MHz for the channels that have no navigation frequency.
inline constexpr FrequencyBand DmeBand{"DME", 108000, 135950};
// Tower, ground, delivery, approach, departure and unicom.
inline constexpr FrequencyBand AirportComBand{"airport", 118000, 136975};
// ATIS is broadcast on the airport's communication frequencies and on a VOR's voice channel.
inline constexpr FrequencyBand AtisBand{"ATIS", VorBand.lowestKhz, AirportComBand.highestKhz};

}  // namespace worlddata
