// findaxiscommand.h - the headless RA axis centre: `velto-q7 --find-axis F1.png F2.png F3.png --utc
// U1,U2,U3 --lat DEG --lon DEG [--pressure HPA --temperature C]` takes three frames of one camera on
// the RA axis at three RA positions, each with its UTC, and prints one JSON object on the standard
// output without a window. It runs the window's axis measurement, the sky's turn between the frames
// taken out: each frame is plate-solved (which measures the plate scale, places the pole and names
// the pattern stars), a named star seen in all three stands for the star a person picks, and every
// star of the field joins the fit.
//
// Keys (pixels 0-based, the centre of pixel (i, j) is (i, j), x right, y down, as --solve):
// found, axis_px [x, y], axis_sigma_px (root-mean-square length of the centre's error), consistent
// (false when the stars did not turn about one point: the camera or the mount moved between the
// frames), reason. Exit 0 found, 1 not found, 2 bad arguments.
#ifndef FINDAXISCOMMAND_H
#define FINDAXISCOMMAND_H

// True when the command line asks for the headless axis centre (before any application object exists).
bool isFindAxisCommand(int argc, char *argv[]);

// Creates its own QCoreApplication; returns the process's exit code.
int runFindAxisCommand(int argc, char *argv[]);

#endif // FINDAXISCOMMAND_H
