#include "tippanel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>

namespace wizard {
namespace {

// One page: its name (the object names are built from it), its tip (with the σ Oct variant for
// the pages that name the pole star), its question and its buttons. Null where a page has none.
struct PageText
{
    const char *name;
    const char *tipNorth;
    const char *tipSouth;
    const char *ask;
    const char *reset;
    const char *done;
};

const char *const matchAsk = QT_TRANSLATE_NOOP("MainWindow", "Does match success?");
const char *const matchDone = QT_TRANSLATE_NOOP("MainWindow", "Success");
const char *const rotationAsk = QT_TRANSLATE_NOOP("MainWindow", "Has rotation finished?");
const char *const rotationDone = QT_TRANSLATE_NOOP("MainWindow", "rotation Finished");
const char *const resetText = QT_TRANSLATE_NOOP("MainWindow", "Reset");

const PageText pageTexts[tipPageCount] = {
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

QString tr(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

QLabel *addLabel(QWidget *page, const QString &name, const QRect &geometry)
{
    auto *label = new QLabel(page);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

QPushButton *addButton(QWidget *page, const QString &name, const QRect &geometry)
{
    auto *button = new QPushButton(page);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

// The answer row keeps its drawn layout (question on the left, Reset and Done 75 px wide on the
// right) whenever the texts fit. A text that does not fit, such as "Setting Finished" in a wide
// font, widens its button towards the left instead of being cut off; the question gives way.
void fitAnswerRow(const TipPage &p)
{
    constexpr int gap = 5, rightEdge = 455, standardWidth = 75, standardAskWidth = 290;
    // Border and padding of the style sheet, plus a little air around the text.
    constexpr int textMargin = 12;
    int left = rightEdge + gap;
    for (QPushButton *button : {p.done, p.reset}) {
        if (!button)
            continue;
        button->ensurePolished();
        const int textWidth = button->fontMetrics().horizontalAdvance(button->text()) + textMargin;
        const int width = std::max(standardWidth, textWidth);
        left -= gap + width;
        button->setGeometry(left, button->y(), width, button->height());
    }
    if (p.ask)
        p.ask->resize(std::clamp(left - gap - p.ask->x(), 0, standardAskWidth), p.ask->height());
}

} // namespace

TipPanel buildTipPanel(QWidget *parent, QObject *eventFilter)
{
    TipPanel panel;
    panel.tabWidget = new QTabWidget(parent);
    panel.tabWidget->setObjectName(QStringLiteral("tabWidget_tipMsg"));
    panel.tabWidget->setGeometry(163, 5, 470, 100);
    panel.tabWidget->tabBar()->hide();

    for (int i = 0; i < tipPageCount; ++i) {
        const PageText &text = pageTexts[i];
        const QString name = QLatin1String(text.name);
        TipPage &p = panel.pages[i];
        p.page = new QWidget();
        p.page->setObjectName(QStringLiteral("tab_") + name);
        p.page->setMouseTracking(true);
        p.page->installEventFilter(eventFilter);

        p.tip = addLabel(p.page, QStringLiteral("label_%1_tipMsg").arg(name), QRect(5, 0, 460, 70));
        p.tip->setWordWrap(true);
        if (text.ask)
            p.ask = addLabel(p.page, QStringLiteral("label_%1_ask").arg(name), QRect(5, 70, 290, 23));
        if (text.reset)
            p.reset
                = addButton(p.page, QStringLiteral("pushButton_%1_reset").arg(name), QRect(300, 70, 75, 23));
        if (text.done)
            p.done
                = addButton(p.page, QStringLiteral("pushButton_%1_done").arg(name), QRect(380, 70, 75, 23));
        panel.tabWidget->addTab(p.page, QString());
    }
    panel.pages[0].tip->setStyleSheet(QStringLiteral("color: rgb(170, 170, 0);"));
    retranslateTipPanel(panel, QStringLiteral("North"));
    return panel;
}

void setRegionTipTexts(const TipPanel &panel, const QString &region)
{
    const bool north = region == QLatin1String("North");
    if (!north && region != QLatin1String("South"))
        return;
    for (int i = 0; i < tipPageCount; ++i)
        if (pageTexts[i].tipSouth)
            panel.pages[i].tip->setText(tr(north ? pageTexts[i].tipNorth : pageTexts[i].tipSouth));
}

void retranslateTipPanel(const TipPanel &panel, const QString &region)
{
    for (int i = 0; i < tipPageCount; ++i) {
        const PageText &text = pageTexts[i];
        const TipPage &p = panel.pages[i];
        if (!text.tipSouth)
            p.tip->setText(tr(text.tipNorth));
        if (p.ask)
            p.ask->setText(tr(text.ask));
        if (p.reset)
            p.reset->setText(tr(text.reset));
        if (p.done)
            p.done->setText(tr(text.done));
        fitAnswerRow(p);
    }
    setRegionTipTexts(panel, region);
}

} // namespace wizard
