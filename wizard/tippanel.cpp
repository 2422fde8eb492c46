#include "tippanel.h"

#include "steptexts.h"

#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>

namespace wizard {
namespace {

static_assert(steptexts::pageCount == tipPageCount, "one tip page per step");

const steptexts::PageText &pageText(int i)
{
    return steptexts::page(i + 1);
}

QString tr(const char *text)
{
    return steptexts::translate(text);
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
    for (QPushButton *button : {p.done, p.reset, p.quick}) {
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
        const steptexts::PageText &text = pageText(i);
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
    panel.pages[0].quick = addButton(panel.pages[0].page, QStringLiteral("pushButton_setting_quick"), QRect(220, 70, 75, 23));
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
        if (pageText(i).tipSouth)
            panel.pages[i].tip->setText(tr(north ? pageText(i).tipNorth : pageText(i).tipSouth));
}

void retranslateTipPanel(const TipPanel &panel, const QString &region)
{
    for (int i = 0; i < tipPageCount; ++i) {
        const steptexts::PageText &text = pageText(i);
        const TipPage &p = panel.pages[i];
        if (!text.tipSouth)
            p.tip->setText(tr(text.tipNorth));
        if (p.ask)
            p.ask->setText(tr(text.ask));
        if (p.reset)
            p.reset->setText(tr(text.reset));
        if (p.done)
            p.done->setText(tr(text.done));
        if (p.quick)
            p.quick->setText(tr(steptexts::quickAlignment));
        fitAnswerRow(p);
    }
    setRegionTipTexts(panel, region);
}

} // namespace wizard
