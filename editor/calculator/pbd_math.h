// The calculator's arithmetic: its constants and auxiliary functions. Each is computed exactly as
// written, operation by operation, since the coordinates are truncated to six decimals and the
// last digit depends on every rounding on the way.
#pragma once

namespace vantrel {

// Not the closest double to pi: the calculator's results are defined with this literal.
inline constexpr double kPbdPi = 3.14159265358979;
// The modulus that brings a longitude back into range.
inline constexpr double kPbdFullCircle = 6.28318530717958;

double DegToRad(double degrees);
double RadToDeg(double radians);

// Arc sine through the arc tangent. An argument that rounding has pushed beyond +-1 is taken as
// +-1, so that a point at a pole still has a latitude.
double ArcSin(double x);

// Angle of the vector (x, y) in [-pi, pi), or in [0, 2 pi) when `positive`; components within
// 1e-7 of zero count as zero. Uses its own pi, 4 atan(1).
double Atan2Full(double y, double x, bool positive);

// a modulo b with the sign of b.
double FloorMod(double a, double b);

}  // namespace vantrel
