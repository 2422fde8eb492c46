// steptexts.cpp - the wizard's texts, step by step (see steptexts.h).
#include "steptexts.h"

#include <QCoreApplication>

namespace steptexts {
namespace {

const char *const matchAsk = QT_TRANSLATE_NOOP("MainWindow", "Does match success?");
const char *const matchDone = QT_TRANSLATE_NOOP("MainWindow", "Success");
const char *const rotationAsk = QT_TRANSLATE_NOOP("MainWindow", "Has rotation finished?");
const char *const rotationDone = QT_TRANSLATE_NOOP("MainWindow", "rotation Finished");
const char *const resetText = QT_TRANSLATE_NOOP("MainWindow", "Reset");

} // namespace

const char *const quickAlignment = QT_TRANSLATE_NOOP("MainWindow", "Quick Alignment");

namespace {

const PageText pageTexts[pageCount] = {
    {"setting",
        QT_TRANSLATE_NOOP(
            "MainWindow", "Set the parameters to the left to make more stars around Polaris visable."),
        QT_TRANSLATE_NOOP(
            "MainWindow", "Set the parameters to the left to make more stars around σ Oct visable."),
        QT_TRANSLATE_NOOP("MainWindow", "Has setting up finished?"), nullptr,
        QT_TRANSLATE_NOOP("MainWindow", "Setting Finished")},
    {"confirm",
        QT_TRANSLATE_NOOP("MainWindow",
            "Double Click Polaris and use the 'Rotate' slider on the left to rotate the "
            "Template to match up to the stars around Polaris."),
        QT_TRANSLATE_NOOP("MainWindow",
            "Double Click σ Oct and use the 'Rotate' slider on the left to rotate the "
            "Template to match up to the stars around σ Oct."),
        matchAsk, nullptr, matchDone},
    {"getStar1",
        QT_TRANSLATE_NOOP("MainWindow",
            "Choose a star other than Polaris and Double click it in the image. Remember "
            "this star, you will be selecting it again in the following steps (Step 1 of "
            "3)."),
        QT_TRANSLATE_NOOP("MainWindow",
            "Choose a star other than σ Oct and Double click it in the image. Remember "
            "this star, you will be selecting it again in the following steps (Step 1 of "
            "3)."),
        nullptr, nullptr, nullptr},
    {"rotateStar1",
        QT_TRANSLATE_NOOP("MainWindow",
            "Rotate your mounts 'RA' axis in the direction indicated by the arrow now at "
            "the top of the screen (rotate a minimum of 30 degree's)."),
        nullptr, rotationAsk, resetText, rotationDone},
    {"getStar2",
        QT_TRANSLATE_NOOP(
            "MainWindow", "Double click the same star again chosen in the previous step (Step 2 of 3)."),
        nullptr, nullptr, resetText, nullptr},
    {"rotateStar2",
        QT_TRANSLATE_NOOP(
            "MainWindow", "Again, Rotate your mounts 'RA' axis in the same direction at least 30 degrees."),
        nullptr, rotationAsk, resetText, rotationDone},
    {"getStar3",
        QT_TRANSLATE_NOOP("MainWindow",
            "Double click the same star one last time chosen in the previous 2 steps (Step 3 "
            "of 3)."),
        nullptr, nullptr, resetText, nullptr},
    {"validateCenter",
        QT_TRANSLATE_NOOP("MainWindow",
            "Return the 'RA' axis to the 'Home' position - Ensure your chosen star stays on "
            "the circle while your mount rotates to the PARK position."),
        nullptr, QT_TRANSLATE_NOOP("MainWindow", "Is the axis center correct?"), resetText,
        QT_TRANSLATE_NOOP("MainWindow", "Correct")},
    {"getEptPolaris",
        QT_TRANSLATE_NOOP("MainWindow",
            "Expected position: Double Click Polaris and use the 'Rotate' slider on the left "
            "to rotate the Template to match up to the stars around Polaris."),
        QT_TRANSLATE_NOOP("MainWindow",
            "Expected position: Double Click σ Oct and use the 'Rotate' slider on the left "
            "to rotate the Template to match up to the stars around σ Oct."),
        matchAsk, nullptr, matchDone},
    {"movePolaris",
        QT_TRANSLATE_NOOP("MainWindow",
            "Using your Altitude and Azimuth bolts, move Polaris into the center of the small "
            "Rotating circle now shown on the image."),
        QT_TRANSLATE_NOOP("MainWindow",
            "Using your Altitude and Azimuth bolts, move σ Oct into the center of the small "
            "Rotating circle now shown on the image."),
        QT_TRANSLATE_NOOP("MainWindow", "Has adjustment finished?"), nullptr,
        QT_TRANSLATE_NOOP("MainWindow", "adjustment Finished")},
    {"getCurPolaris",
        QT_TRANSLATE_NOOP("MainWindow",
            "Current position: Double Click Polaris and use the 'Rotate' slider on the left "
            "to rotate the Template to match up to the stars around Polaris."),
        QT_TRANSLATE_NOOP("MainWindow",
            "Current position: Double Click σ Oct and use the 'Rotate' slider on the left "
            "to rotate the Template to match up to the stars around σ Oct."),
        matchAsk, nullptr, matchDone},
    {"calcPole", QT_TRANSLATE_NOOP("MainWindow", "Please click the 'Start Monitor' button."), nullptr,
        nullptr, nullptr, nullptr},
    {"finetunePole",
        QT_TRANSLATE_NOOP("MainWindow",
            "Use your Altitude and Azimuth bolts only to move the Pole rectangle on top of "
            "the Axis circle."),
        nullptr, nullptr, QT_TRANSLATE_NOOP("MainWindow", "Restart"),
        QT_TRANSLATE_NOOP("MainWindow", "Done")},
};

} // namespace

const PageText &page(int step)
{
    static const PageText none {};
    return step >= 1 && step <= pageCount ? pageTexts[step - 1] : none;
}

QString translate(const char *text)
{
    return text ? QCoreApplication::translate("MainWindow", text) : QString();
}

QString tip(int step, bool north)
{
    const PageText &text = page(step);
    return translate(north || !text.tipSouth ? text.tipNorth : text.tipSouth);
}

} // namespace steptexts
