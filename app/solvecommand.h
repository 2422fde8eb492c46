// solvecommand.h - the headless plate solve: `velto-q7 --solve FRAME.png --utc 2026-12-08T20:00:00
// --lat 39.9 --lon 116.3 [--pressure HPA --temperature C] [--axis X,Y]` prints one JSON object on
// the standard output and creates no window. It runs the same solving code as the window.
//
// Keys (pixels 0-based, the centre of pixel (i, j) is (i, j), x right, y down; image angles
// counter-clockwise from +x, atan2(-dy, dx)): solved, plate_scale_arcsec_per_px, hemisphere,
// pole_px (the true pole of date), refracted_pole_px (where refraction shows it; omitted when the
// pressure is 0), zenith_angle_deg (from the pole towards the zenith), stars (the pole star and the
// reference stars in the frame), axis_error_arcsec (with --axis: altitude and azimuth, positive
// when the axis is above / east of the pole). Not solved: solved false and why.
#ifndef SOLVECOMMAND_H
#define SOLVECOMMAND_H

enum SolveCommandExit { SolvedExit = 0, NotSolvedExit = 1, BadArgumentsExit = 2 };

// True when the command line asks for the headless solve (before any application object exists).
bool isSolveCommand(int argc, char *argv[]);

// Creates its own QCoreApplication; returns the process's exit code.
int runSolveCommand(int argc, char *argv[]);

#endif // SOLVECOMMAND_H
