// tippanel.h - the wizard's tip panel: one page per step with the instruction, the question and
// the Reset/Done buttons, floating over the top of the live image.
//
// The panel is a QTabWidget with its tab bar hidden; only the wizard changes the page. Pointer
// moves over a page must keep the position readout and the magnifier going, so the labels let
// mouse events through, the pages track the mouse and report to the given event filter.
#ifndef TIPPANEL_H
#define TIPPANEL_H

#include <QString>
#include <array>

class QLabel;
class QObject;
class QPushButton;
class QTabWidget;
class QWidget;

namespace wizard {

constexpr int tipPageCount = 13;

struct TipPage
{
    QWidget *page = nullptr;      // tab_<name>
    QLabel *tip = nullptr;        // label_<name>_tipMsg
    QLabel *ask = nullptr;        // label_<name>_ask, where the page asks a question
    QPushButton *reset = nullptr; // pushButton_<name>_reset, where the page has one
    QPushButton *done = nullptr;  // pushButton_<name>_done, where the page has one
    QPushButton *quick = nullptr; // pushButton_setting_quick: the first page starts Quick Alignment
};

struct TipPanel
{
    QTabWidget *tabWidget = nullptr; // tabWidget_tipMsg
    std::array<TipPage, tipPageCount> pages;
};

// Builds the panel on `parent` with the North texts, pages in step order, and installs
// `eventFilter` on every page.
TipPanel buildTipPanel(QWidget *parent, QObject *eventFilter);

// Sets the six texts that name Polaris (region "North") or σ Oct ("South"); any other region
// changes nothing.
void setRegionTipTexts(const TipPanel &panel, const QString &region);

// Sets every text again in the current language: the fixed texts, then the region's texts.
void retranslateTipPanel(const TipPanel &panel, const QString &region);

} // namespace wizard

#endif // TIPPANEL_H
