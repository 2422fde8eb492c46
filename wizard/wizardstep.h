// wizardstep.h - the steps of the alignment wizard, in the order the user meets them.
#ifndef WIZARDSTEP_H
#define WIZARDSTEP_H

// The value is what MainWindow::currentStep stores; step N shows page N - 1 of the tip panel.
// STEP_NONE and STEP_FINISHED are commands for goToStep and are never stored.
enum WizardStep {
    STEP_NONE = 0,             // no camera connected
    STEP_SETTING = 1,          // choose exposure and gain
    STEP_CONFIRM = 2,          // double-click Polaris, match the template
    STEP_GET_STAR1 = 3,        // double-click a star other than Polaris (first RA position)
    STEP_ROTATE_STAR1 = 4,     // turn the RA axis at least 30 degrees
    STEP_GET_STAR2 = 5,        // the same star again (second RA position)
    STEP_ROTATE_STAR2 = 6,     // turn the RA axis again
    STEP_GET_STAR3 = 7,        // the same star a third time; the axis centre is fitted
    STEP_VALIDATE_CENTER = 8,  // return the RA axis home; the star stays on the circle
    STEP_GET_EPT_POLARIS = 9,  // match the template: expected position of Polaris
    STEP_MOVE_POLARIS = 10,    // move Polaris into the rotating circle with the bolts
    STEP_GET_CUR_POLARIS = 11, // match the template: current position of Polaris
    STEP_CALC_POLE = 12,       // press "Start Monitor"
    STEP_FINETUNE_POLE = 13,   // bring the pole onto the axis circle with the bolts
    STEP_FINISHED = 14,        // hide the panel; nothing else changes
};

#endif // WIZARDSTEP_H
