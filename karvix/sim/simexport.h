// simexport.h - marks the simulator's C++ interface as exported from libkarvix.so.
//
// The library is built with hidden visibility, so only the C functions of karvix.h and the
// classes marked here are visible to the program, its tests and the Virtual Mount window.
#ifndef KARVIX_SIMEXPORT_H
#define KARVIX_SIMEXPORT_H

#define KARVIX_SIM_EXPORT __attribute__((visibility("default")))

#endif // KARVIX_SIMEXPORT_H
