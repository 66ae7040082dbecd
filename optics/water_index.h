// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// The refractive index of liquid water against wavelength, from the
// formulation of the International Association for the Properties of Water
// and Steam, "Release on the Refractive Index of Ordinary Water Substance as
// a Function of Wavelength, Temperature and Pressure" (IAPWS R9-97, 1997).
// It is a Lorentz–Lorenz form fitted to the measurements,
//     (n² − 1)/(n² + 2) / ρ̄ = a0 + a1·ρ̄ + a2·T̄ + a3·λ̄²·T̄ + a4/λ̄²
//                            + a5/(λ̄² − λ̄_UV²) + a6/(λ̄² − λ̄_IR²) + a7·ρ̄²,
// with ρ̄ = ρ/(1000 kg/m³), T̄ = T/(273.15 K), λ̄ = λ/(0.589 µm), good from
// 0.2 to 1.1 µm; the two resonance terms are the water molecule's
// absorption in the ultraviolet and the infrared.
#pragma once

namespace rb::optics {

// n for a wavelength in micrometres, a temperature in kelvin and a density
// in kg/m³.
double IapwsWaterIndex(double wavelengthMicrons, double kelvin, double densityKgPerM3);

// Rain: water at 20 °C and atmospheric pressure, where its density is
// 998.207 kg/m³ (IAPWS-95 at 293.15 K and 0.101325 MPa).
constexpr double kRainKelvin = 293.15;
constexpr double kRainDensity = 998.207;
double RainIndex(double wavelengthMicrons);

} // namespace rb::optics
