#include "steppresentation.h"

#include "presentation.h"
#include "sharedstate.h"
#include "wizardstep.h"

#include <QAbstractButton>
#include <QGraphicsEffect>
#include <QLabel>
#include <QPixmap>
#include <QTabWidget>
#include <QTimer>
#include <QVariant>
#include <atomic>

namespace wizard {
namespace {

using V = Visibility;
constexpr Flag K = Flag::Kept, F = Flag::Off, T = Flag::On;
constexpr int RR = Region | Rough;

// Rows for steps 1 to 13. Columns: open sections, template label, arrow, lamps lit, overlay
// switches (axis centre, axis circle, reticle, monitor pole, star A mark, star B mark), stops the
// glow's blink timer.
const StepPresentation table[13] = {
    /* 1 setting        */ {Region | Setting, V::Hidden, V::Hidden, lampsKept, {F, F, F, F, F, F}, false},
    /* 2 confirm        */ {Region | Confirm, V::Kept, V::Hidden, lampsKept, {K, K, K, K, K, K}, false},
    /* 3 get star 1     */ {RR, V::Hidden, V::Hidden, 0, {F, F, K, K, K, K}, true},
    /* 4 rotate star 1  */ {RR, V::Hidden, V::Shown, 1, {F, F, K, K, K, K}, false},
    /* 5 get star 2     */ {RR, V::Hidden, V::Hidden, 1, {F, F, K, K, K, K}, false},
    /* 6 rotate star 2  */ {RR, V::Hidden, V::Shown, 2, {F, F, K, K, K, K}, false},
    /* 7 get star 3     */ {RR, V::Hidden, V::Hidden, 2, {F, F, K, K, K, K}, false},
    /* 8 validate       */ {RR, V::Hidden, V::Hidden, 3, {T, T, K, K, K, K}, false},
    /* 9 expected pos.  */ {RR, V::Kept, V::Hidden, 3, {T, F, T, K, K, K}, false},
    /* 10 move Polaris  */ {RR, V::Hidden, V::Hidden, lampsKept, {T, F, T, K, K, K}, true},
    /* 11 current pos.  */ {RR, V::Kept, V::Hidden, lampsKept, {T, F, F, K, K, K}, false},
    /* 12 start monitor */ {Region | Precise, V::Hidden, V::Hidden, lampsKept, {K, K, K, K, K, K}, true},
    /* 13 fine tune     */ {Region | Precise, V::Hidden, V::Hidden, lampsKept, {K, K, K, T, T, T}, false},
};

std::atomic<bool> *const overlaySwitches[6]
    = {&showAxisCenter, &showAxisCircle, &showReticle, &monitorPole, &showStarAMarker, &showStarBMarker};

// The lamp label's property that records whether it is lit, for restyleLamps.
constexpr char lampLitProperty[] = "lampLit";

void drawLamp(QLabel *lamp, bool lit, bool monoStyle)
{
    if (!lamp)
        return;
    lamp->setProperty(lampLitProperty, lit);
    lamp->setPixmap(lampPixmap(lit, monoStyle));
}

void setVisibility(QWidget *widget, Visibility v)
{
    if (widget && v != Visibility::Kept)
        widget->setVisible(v == Visibility::Shown);
}

// For each section the button first, then its content, top to bottom.
void setSections(const WizardView &view, int open)
{
    for (int i = 0; i < sectionCount; ++i) {
        const bool isOpen = open & (1 << i);
        if (view.headButtons[i])
            view.headButtons[i]->setChecked(isOpen);
        if (view.sections[i])
            view.sections[i]->setVisible(isOpen);
    }
}

} // namespace

const StepPresentation *stepPresentation(int step)
{
    if (step < STEP_SETTING || step > STEP_FINETUNE_POLE)
        return nullptr;
    return &table[step - STEP_SETTING];
}

bool applyStep(int step, const WizardView &view, bool monoStyle)
{
    if (step == STEP_FINISHED) {
        view.tipPanel->hide();
        return false;
    }
    const StepPresentation *row = stepPresentation(step);
    if (!row) {
        view.tipPanel->hide();
        setSections(view, 0);
        setVisibility(view.templateLabel, Visibility::Hidden);
        setVisibility(view.arrow, Visibility::Hidden);
        return false;
    }

    view.tipPanel->show();
    view.tipPanel->setCurrentIndex(step - 1);
    setSections(view, row->sections);
    setVisibility(view.templateLabel, row->templateLabel);
    // A hidden template keeps no picture (at full zoom it is several megabytes): a click that
    // shows it again draws it afresh.
    if (view.templateLabel && view.templateLabel->isHidden()
        && !view.templateLabel->pixmap(Qt::ReturnByValue).isNull())
        view.templateLabel->setPixmap(QPixmap());
    setVisibility(view.arrow, row->arrow);
    if (row->lampsOn != lampsKept)
        for (int i = 0; i < 3; ++i)
            drawLamp(view.lamps[i], i < row->lampsOn, monoStyle);
    for (int i = 0; i < 6; ++i)
        if (row->flags[i] != Flag::Kept)
            *overlaySwitches[i] = row->flags[i] == Flag::On;
    if (row->stopsEffectTimer && view.effectTimer) {
        view.effectTimer->stop();
        // The glow points at the slider to turn; once matching is over a lit slider would point
        // at nothing, so it does not stay on in whatever phase the blinking stopped.
        for (QGraphicsEffect *glow : view.sliderGlows)
            if (glow)
                glow->setEnabled(false);
    }
    return true;
}

void restyleLamps(const std::array<QLabel *, 3> &lamps, bool monoStyle)
{
    for (QLabel *lamp : lamps)
        if (lamp)
            drawLamp(lamp, lamp->property(lampLitProperty).toBool(), monoStyle);
}

} // namespace wizard
