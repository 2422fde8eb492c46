// skyadjuster.h - motorised adjusters on the sky driver's mount (device "Velto Q7 Adjuster").
//
// Two motors (karvix/sim/boltmotor.h) turn the same altitude and azimuth bolts the camera's
// MOUNT_BOLTS turns, at their speed on the sky's clock, through the polar-alignment-correction
// properties any INDI client knows:
//   PAC_MANUAL_ADJUSTMENT  MANUAL_AZ_STEP, MANUAL_ALT_STEP  degrees, positive east / up; Busy
//                          while moving, Ok when done, Alert when refused (beyond the travel)
//   PAC_ABORT_MOTION       ABORT                            both motors stop where they are
//   PAC_POSITION           AZ_POSITION, ALT_POSITION        the motors' counts; min and max are
//                                                           the travel
// and the faults of real adjusters, for the tests (group "Faults"):
//   ADJUSTER_FAULTS  ALT_BACKLASH_ARCMIN, AZ_BACKLASH_ARCMIN  slack taken up on a change of direction
//                    ALT_GAIN, AZ_GAIN                         the bolt turns this many times the
//                                                              motor's move; negative: wired reversed
//                    TRAVEL_DEG, SPEED_DEG_S                   +- travel; speed (0: a stuck motor)
#ifndef KARVIX_INDIDRIVER_SKYADJUSTER_H
#define KARVIX_INDIDRIVER_SKYADJUSTER_H

#include "boltmotor.h"
#include "skysimulator.h"

#include <defaultdevice.h>

class SkyAdjuster : public INDI::DefaultDevice
{
public:
    explicit SkyAdjuster(karvix::sim::SkySimulator &sky);

    const char *getDefaultName() override;
    bool initProperties() override;
    bool updateProperties() override;
    bool ISNewNumber(const char *dev, const char *name, double values[], char *names[], int n) override;
    bool ISNewSwitch(const char *dev, const char *name, ISState *states, char *names[], int n) override;

protected:
    bool Connect() override { return true; }
    bool Disconnect() override { return true; }
    void TimerHit() override;

private:
    void applyFaults();
    void showPosition();

    karvix::sim::SkySimulator &m_sky;
    karvix::sim::BoltMotor m_altitude, m_azimuth;

    INumber m_stepN[2];
    INumberVectorProperty m_stepNP;
    ISwitch m_abortS[1];
    ISwitchVectorProperty m_abortSP;
    INumber m_positionN[2];
    INumberVectorProperty m_positionNP;
    INumber m_faultsN[6];
    INumberVectorProperty m_faultsNP;
};

#endif // KARVIX_INDIDRIVER_SKYADJUSTER_H
