// steptexts.h - what the wizard says at each step: the tip, the question and the buttons' words,
// in the translation context "MainWindow". The tip panel shows them; the phone view shows the tip
// of the session's step.
#ifndef STEPTEXTS_H
#define STEPTEXTS_H

#include <QString>

namespace steptexts {

constexpr int pageCount = 13; // steps 1 to 13, one tip page each

// One page: its name (the tip panel's object names are built from it), its tip (with the σ Oct
// variant for the pages that name the pole star), its question and its buttons, untranslated.
// Null where a page has none.
struct PageText
{
    const char *name;
    const char *tipNorth;
    const char *tipSouth;
    const char *ask;
    const char *reset;
    const char *done;
};

// The first page's second button, untranslated: the way to the quick alignment.
extern const char *const quickAlignment;

// The page of `step` (1 to pageCount); all null for any other step.
const PageText &page(int step);
// `text` in the current language; empty for null.
QString translate(const char *text);
// The tip of `step` in the current language, naming Polaris (`north`) or σ Oct.
QString tip(int step, bool north);

} // namespace steptexts

#endif // STEPTEXTS_H
