#include "pbd_math.h"

#include <cmath>

namespace vantrel {

double DegToRad(double degrees) {
    return (degrees * kPbdPi) / 180;
}

double RadToDeg(double radians) {
    return (180 / kPbdPi) * radians;
}

double ArcSin(double x) {
    if (x >= 1) {
        return kPbdPi / 2;
    }
    if (x <= -1) {
        return -kPbdPi / 2;
    }
    return std::atan(x / std::sqrt(1 - x * x));
}

double Atan2Full(double y, double x, bool positive) {
    const double pi = 4 * std::atan(1.0);
    const double halfPi = 2 * std::atan(1.0);
    double angle = 0;
    if (std::fabs(y) < 1e-7) {
        angle = x < 0 ? -pi : 0;
    } else if (std::fabs(x) < 1e-7) {
        angle = y < 0 ? -halfPi : halfPi;
    } else {
        const double a = std::atan(y / x);
        if (a < 0) {
            angle = a + (x < 0 ? pi : 0);
        } else {
            angle = a + (y < 0 ? -pi : 0);
        }
    }
    if (positive && angle < 0) {
        angle = angle + 2 * pi;
    }
    return angle;
}

double FloorMod(double a, double b) {
    return a - std::floor(a / b) * b;
}

}  // namespace vantrel
