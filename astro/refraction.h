// refraction.h - the two models of the refraction correction and the physical one's value.
//
// Bennett's formula (StarAlgorithms::CorrectRefraction) is the default. The physical model takes
// ERFA's refraction constants A and B for the site's pressure and temperature, at relative
// humidity 0.5 and wavelength 0.55 um (the middle of a mono sensor's sensitivity; both change the
// refraction near the pole by well under an arcsecond), in R = A tan z + B tan^3 z.
#ifndef REFRACTION_H
#define REFRACTION_H

enum class RefractionModel { Bennett, Physical };

// How far the air lifts the celestial pole towards the zenith, arcseconds, at a site of the given
// latitude (degrees, either sign; the pole's zenith distance is 90 - |latitude|). Pressure and
// temperature are clamped to ERFA's ranges; below 2.9 degrees of altitude the value is that of
// 2.9 degrees, as ERFA has it.
double physicalPoleRefractionArcsec(double latitudeDeg, double pressureKPa, double temperatureC);

#endif // REFRACTION_H
