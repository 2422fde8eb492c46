// skyccd.h - the simulated sky served as an INDI camera (driver indi_veltoq7_sky).
//
// The same simulator as the program's built-in camera (karvix/sim/): a 1280 x 960, 8-bit sensor of
// 3.75 um pixels behind a 25.36 mm lens (30.5"/px) on the RA axis of a mount whose polar axis is
// off the pole. Any INDI client can take its frames and turn its mount through these properties
// (group "Mount" and "Sky"):
//   MOUNT_RA_AXIS   RA_AXIS_DEG                      the RA axis, degrees from home
//   MOUNT_BOLTS     ALTITUDE_ARCMIN, AZIMUTH_ARCMIN  how far each bolt has been turned; setting a
//                                                    new value turns it by the difference
//   MOUNT_TRACKING  TRACK_ON, TRACK_OFF              sidereal tracking of the RA axis
//   POLAR_ERROR     ALTITUDE_ARCSEC, AZIMUTH_ARCSEC, TOTAL_ARCSEC  the truth; setting altitude
//                                                    and azimuth puts the polar axis there (a night
//                                                    staged for a test; the bolts' readings stay);
//                                                    the total is the distance on the sky, the
//                                                    azimuth is along the horizon
//   TRUE_POLE       X_PX, Y_PX                       the truth, read only: the true pole's place in
//                                                    the frame (Alert while it is behind the camera)
//   CAMERA_MOUNTING TILT_DEG, TILT_DIRECTION_DEG, ROLL_DEG  how the camera sits on the RA axis
//   SKY_SITE        LATITUDE_DEG, LONGITUDE_DEG, ELEVATION_M, PRESSURE_HPA, TEMPERATURE_C
//   SKY_CLOCK       UTC_SECONDS                      0: the system's clock; otherwise the sky's
//                                                    time, which then moves on by each exposure
//   CCD_GAIN        GAIN                             0-100, the built-in camera's gain steps
// Numbers that are not finite, or outside an element's range, are refused (Alert) and change nothing.
// The environment variable VELTO_SKY_SEED chooses another seeded sky (polar error, camera tilt,
// noise), as the simulator's seed does. The same driver serves two more devices: "Velto Q7 Adjuster"
// (skyadjuster.h), motors on the mount's bolts, and "Velto Q7 Mount" (skytelescope.h), the RA axis
// as an INDI telescope.
#ifndef KARVIX_INDIDRIVER_SKYCCD_H
#define KARVIX_INDIDRIVER_SKYCCD_H

#include "skysimulator.h"

#include <indiccd.h>

#include <atomic>
#include <chrono>
#include <memory>

class SkyCcd : public INDI::CCD
{
public:
    SkyCcd();

    const char *getDefaultName() override;
    // The sky, mount and bolts the driver's adjuster (skyadjuster.h) turns too.
    karvix::sim::SkySimulator &sky() { return *m_sky; }
    bool exposing() const { return InExposure; }
    // Sends the mount's state and the truth as the simulator has them now (the telescope turns the
    // RA axis and switches tracking too).
    void showMount();
    bool initProperties() override;
    bool updateProperties() override;
    bool ISNewNumber(const char *dev, const char *name, double values[], char *names[], int n) override;
    bool ISNewSwitch(const char *dev, const char *name, ISState *states, char *names[], int n) override;

protected:
    bool Connect() override;
    bool Disconnect() override;
    bool StartExposure(float duration) override;
    bool AbortExposure() override;
    void TimerHit() override;
    void addFITSKeywords(INDI::CCDChip *targetChip) override;
    void UploadComplete(INDI::CCDChip *targetChip) override;

private:
    using Clock = std::chrono::steady_clock;

    std::unique_ptr<karvix::sim::SkySimulator> m_sky;
    Clock::time_point m_exposureEnd;
    double m_exposureStartUtc = 0;                      // the sky's clock when the exposure began
    std::atomic<double> m_finishedExposureStartUtc {0}; // the same, of the frame being written
    std::atomic<bool> m_uploading {false};              // libindi is sending the frame buffer
    int m_timer = -1;

    INumber m_raAxisN[1];
    INumberVectorProperty m_raAxisNP;
    INumber m_boltsN[2];
    INumberVectorProperty m_boltsNP;
    ISwitch m_trackingS[2];
    ISwitchVectorProperty m_trackingSP;
    INumber m_polarErrorN[3];
    INumberVectorProperty m_polarErrorNP;
    INumber m_truePoleN[2];
    INumberVectorProperty m_truePoleNP;
    INumber m_cameraN[3];
    INumberVectorProperty m_cameraNP;
    INumber m_siteN[5];
    INumberVectorProperty m_siteNP;
    INumber m_clockN[1];
    INumberVectorProperty m_clockNP;
    INumber m_gainN[1];
    INumberVectorProperty m_gainNP;
};

#endif // KARVIX_INDIDRIVER_SKYCCD_H
