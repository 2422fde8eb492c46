// steppresentation.h - what each wizard step shows, as one table: a step is one row.
//
// goToStep reads the row of the step it enters and applies it to the window (applyStep below):
// the tip page, the open head sections, the template label and the RA arrow, the three lamps, the
// overlay switches of the capture thread, and the blink timer of the slider glow.
#ifndef STEPPRESENTATION_H
#define STEPPRESENTATION_H

#include <array>

class QAbstractButton;
class QGraphicsEffect;
class QLabel;
class QTabWidget;
class QTimer;
class QWidget;

namespace wizard {

// The five head sections of the left panel, top to bottom.
enum Section { Region = 1 << 0, Setting = 1 << 1, Confirm = 1 << 2, Rough = 1 << 3, Precise = 1 << 4 };
constexpr int sectionCount = 5;

enum class Visibility { Kept, Hidden, Shown };
enum class Flag { Kept, Off, On }; // what a step does to one overlay switch

constexpr int lampsKept = -1;

struct StepPresentation
{
    int sections; // Section bits of the open sections; the others are closed
    Visibility templateLabel;
    Visibility arrow;
    int lampsOn; // how many of the three lamps are lit, or lampsKept
    // The overlay switches, in the order showAxisCenter, showAxisCircle, showReticle, monitorPole,
    // showStarAMarker, showStarBMarker.
    std::array<Flag, 6> flags;
    bool stopsEffectTimer;
};

// The row of step 1..13; nullptr for any other value.
const StepPresentation *stepPresentation(int step);

// The widgets a step changes.
struct WizardView
{
    QTabWidget *tipPanel = nullptr;
    std::array<QAbstractButton *, sectionCount> headButtons {};
    std::array<QWidget *, sectionCount> sections {};
    QLabel *templateLabel = nullptr;
    QLabel *arrow = nullptr;
    std::array<QLabel *, 3> lamps {};
    QTimer *effectTimer = nullptr;
    std::array<QGraphicsEffect *, 2> sliderGlows {}; // switched off when the blink timer stops
};

// Applies step `step` to `view` and to the capture thread's overlay switches: 1..13 show their page
// and their row; 14 only hides the panel; 0 and any other value hide the panel, close every section
// and hide the template label and the arrow. Returns true when `step` is one to be stored as the
// current step (1..13).
bool applyStep(int step, const WizardView &view, bool monoStyle);

// Redraws the lamps in the style, each lit or not as the last step that set them left it (unlit
// before any step did): a change of style keeps what they say in every step.
void restyleLamps(const std::array<QLabel *, 3> &lamps, bool monoStyle);

} // namespace wizard

#endif // STEPPRESENTATION_H
