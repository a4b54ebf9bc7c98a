// The ephemeris as the scene sees it: the observer's place, the moon state of the last
// update, the update itself and the light direction for the globe.
#ifndef SELENARIUM_EPHEMERIS_MOON_STATE_H
#define SELENARIUM_EPHEMERIS_MOON_STATE_H

// Hours after local midnight used for a rise or set that does not happen on the local date.
const double NoEventBefore = -1e200;  // the event would lie before the date (or never rises)
const double NoEventAfter = 1e200;    // the event would lie after the date (or stays up)

// Lunar and solar quantities of the moment of the last update. Angles in degrees; azimuths
// counted from the south towards the west, in (-180, 180]; rise and set times in hours
// after local midnight in [0, 24), or NoEventBefore / NoEventAfter.
struct MoonStateRecord {
  double moonAzimuth;
  double moonAltitude;
  double moonRise;
  double moonSet;
  double sunAzimuth;
  double sunAltitude;
  double sunRise;
  double sunSet;
  double lunarDay;        // whole number; -1 when the count failed
  char lunarDayText[56];  // e.g. "9/10(17:33)"; empty when the count failed
};

// The observer: degrees, north and east positive. No time zone: that comes from the system.
struct ObserverPlaceRecord {
  double latitude;
  double longitude;
};

// Process-wide records: the scene fills ObserverPlace and reads MoonState. All zero before
// the first update.
extern MoonStateRecord MoonState;
extern ObserverPlaceRecord ObserverPlace;

// Recomputes MoonState for the system clock's current moment, the system's zone offset and
// ObserverPlace. Always returns 1.
int UpdateMoonState();

// The Sun's direction, length 1e19, in the frame of a viewer looking at the Moon (+y up
// across the Moon, the Moon on -z), from the four angles of MoonState.
void SunLightVector(double& x, double& y, double& z);

enum RotationAxis { AxisX = 0, AxisY = 1, AxisZ = 2 };

// Rotates (x, y, z) in place by angleDegrees about one coordinate axis.
void RotateAboutAxis(double& x, double& y, double& z, double angleDegrees, RotationAxis axis);

#endif
