// The result record of one fitting size and the names of its fields.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace velor {

/// One fitting size of a calculation run. Physical values in base units.
struct TResultTypeB
{
    std::string SizeName;          // size name; the text of the result line
    std::string TypeFile;          // type file of the size, e.g. "M.dat"
    long double Area = 0;          // m2, heat-transfer area of all units
    long double LMTD = 0;          // K, log-mean temperature difference of the run
    long double OHTCClean = 0;     // W/m2K, clean overall coefficient
    long double OHTCFouled = 0;    // W/m2K, service (fouled) overall coefficient
    long double Oversize = 0;      // percent
    long double PressDropHS = 0;   // kPa, hot side
    long double PressDropCS = 0;   // kPa, cold side
    long double AlphaHS = 0;       // W/m2K, hot-side film coefficient
    long double AlphaCS = 0;       // W/m2K, cold-side film coefficient
    long double ReynoldsHS = 0;    // -
    long double ReynoldsCS = 0;    // -
    long double PrandtlHS = 0;     // - (bulk)
    long double PrandtlCS = 0;     // - (bulk)
    long double NusseltHS = 0;     // -
    long double NusseltCS = 0;     // -
    long double NTUHS = 0;         // - (LMTD / hot-side temperature change)
    long double NTUCS = 0;         // - (LMTD / cold-side temperature change)
    long double InVelConHS = 0;    // m/s, hot inlet connection
    long double OutVelConHS = 0;   // m/s, hot outlet connection
    long double VelTubeSpHS = 0;   // m/s, hot side inside the exchanger
    long double InVelConCS = 0;    // m/s, cold inlet connection
    long double OutVelConCS = 0;   // m/s, cold outlet connection
    long double VelTubeSpCS = 0;   // m/s, cold side inside the exchanger
    long double FoulingFactor = 0; // m2K/kW, fouling factor used
    long double VapVelConHS = 0;   // m/s, vapor in the hot inlet connection (0 for liquid duties)
    std::uint8_t Tubular = 0;      // 1 shell-and-tube / shell-and-coil, 0 plate
    std::string TechDataName;      // technical-data record; empty after a calculation
};

/// A real field of `TResultTypeB` with its name.
struct ResultRealField
{
    std::string_view name;
    long double TResultTypeB::*member;
};

/// The 25 real fields in record order, under their field names.
inline constexpr std::array<ResultRealField, 25> kResultRealFields{{
    {"Area", &TResultTypeB::Area},
    {"LMTD", &TResultTypeB::LMTD},
    {"OHTCClean", &TResultTypeB::OHTCClean},
    {"OHTCFouled", &TResultTypeB::OHTCFouled},
    {"Oversize", &TResultTypeB::Oversize},
    {"PressDropHS", &TResultTypeB::PressDropHS},
    {"PressDropCS", &TResultTypeB::PressDropCS},
    {"AlphaHS", &TResultTypeB::AlphaHS},
    {"AlphaCS", &TResultTypeB::AlphaCS},
    {"ReynoldsHS", &TResultTypeB::ReynoldsHS},
    {"ReynoldsCS", &TResultTypeB::ReynoldsCS},
    {"PrandtlHS", &TResultTypeB::PrandtlHS},
    {"PrandtlCS", &TResultTypeB::PrandtlCS},
    {"NusseltHS", &TResultTypeB::NusseltHS},
    {"NusseltCS", &TResultTypeB::NusseltCS},
    {"NTUHS", &TResultTypeB::NTUHS},
    {"NTUCS", &TResultTypeB::NTUCS},
    {"InVelConHS", &TResultTypeB::InVelConHS},
    {"OutVelConHS", &TResultTypeB::OutVelConHS},
    {"VelTubeSpHS", &TResultTypeB::VelTubeSpHS},
    {"InVelConCS", &TResultTypeB::InVelConCS},
    {"OutVelConCS", &TResultTypeB::OutVelConCS},
    {"VelTubeSpCS", &TResultTypeB::VelTubeSpCS},
    {"FoulingFactor", &TResultTypeB::FoulingFactor},
    {"VapVelConHS", &TResultTypeB::VapVelConHS},
}};

/// True when every real field of `r` is a finite number.
bool allFinite(const TResultTypeB& r);

} // namespace velor
