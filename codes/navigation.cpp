#include "codes/navigation.h"

#include <algorithm>
#include <cmath>

namespace {
const double PI = 3.141592653589793;
const double RAD = PI / 180.0;
const double DEG = 57.29577951308232;

// acos(c) below pi/2, both as floats. Far from 0 the sign of c answers,
// as any acos within a few hundred ulps would: acos is worked out only
// near 0, where its rounding decides. Above 1 (a rounded force below |u|)
// acos has no value and the answer is no.
bool bAngleAigu(float c)
{
    const float DEMI_PI = 1.5707963705062866f;
    const float PRES_DE_ZERO = 1.0e-4f;
    if (c > PRES_DE_ZERO)
        return c <= 1;
    return c >= -PRES_DE_ZERO && std::acos(c) < DEMI_PI;
}
}

// Mercator's latitude term grows without bound at the poles.
double dLatitudeMercator(double latitude)
{
    return std::clamp(latitude, -LATITUDE_MERCATOR_MAX, LATITUDE_MERCATOR_MAX);
}

double dReplieLongitude(double lon)
{
    if (lon > 180 || lon < -180) {
        lon = std::fmod(lon, 360.0);
        if (lon > 180)
            lon -= 360;
        else if (lon < -180)
            lon += 360;
    }
    return lon;
}

double dCodesCap360(double course)
{
    double r = std::fmod(course, 360.0);
    return r < 0 ? r + 360 : r;
}

void vCodesLoxoLLCD(double lat0, double lon0, double course, double distance,
                    double& lat1, double& lon1)
{
    double d = distance / 60;
    lat1 = lat0 + d * std::cos(course * RAD);
    double c = dCodesCap360(course);
    double depart = dLatitudeMercator(lat0);
    if (c == 90) {
        lon1 = lon0 + d / std::cos(depart * RAD);
    } else if (c == 270) {
        lon1 = lon0 - d / std::cos(depart * RAD);
    } else {
        double arrivee = dLatitudeMercator(lat1);
        lon1 = lon0 + std::tan(c * RAD) * DEG *
                          std::log(std::tan((45 + arrivee / 2) * RAD) /
                                   std::tan((45 + depart / 2) * RAD));
    }
    if (!std::isfinite(lon1) && std::isfinite(lon0))
        lon1 = lon0;
    lon1 = dReplieLongitude(lon1);
}

void vUVDF(float u, float v, float& direction, float& force)
{
    force = std::sqrt(u * u + v * v);
    if (force == 0) {
        direction = 0;
        return;
    }
    const float DEGRES = 57.29578f;
    float sinus = std::clamp(v / force, -1.0f, 1.0f);
    if (bAngleAigu(u / force))
        direction = 90 - std::asin(sinus) * DEGRES;
    else
        direction = std::asin(sinus) * DEGRES + 270;
    direction += 180;
    if (direction < 0)
        direction += 360;
    else if (direction > 360)
        direction -= 360;
}

void vDFUV(float direction, float force, float& u, float& v)
{
    float a = direction + 90;
    if (a > 360)
        a -= 360;
    else if (a < 0)
        a += 360;
    float x = (float)(a * RAD);
    if (x <= (float)PI) {
        u = force * std::cos(x);
        v = -force * std::sin(x);
    } else {
        float y = x - (float)PI;
        u = -force * std::cos(y);
        v = force * std::sin(y);
    }
}

float fmod1000(float a, float b)
{
    if (a == 0 || b == 0)
        return 0;
    // Whole thousandths held in doubles: exact, and free of the integer
    // overflow and division by zero an integer remainder would risk.
    double A = std::floor((double)a * 1000 + 0.5);
    double B = std::floor((double)b * 1000 + 0.5);
    if (B == 0)
        return 0;
    return (float)(std::fmod(A, B) / 1000);
}
