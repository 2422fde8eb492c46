#include "quickalignmentpanel.h"

#include "readoutwords.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <cmath>

namespace {
// Over the tip panel, or below it while the last step's page shows.
constexpr int tipPanelY = 5, belowTipPanelY = 110;
} // namespace

QuickAlignmentPanel::QuickAlignmentPanel(const QuickAlignment &quick, QWidget *parent)
    : QFrame(parent), m_quick(quick), m_menuAction(new QAction(this)), m_instruction(new QLabel(this)),
      m_detail(new QLabel(this)), m_manual(new QPushButton(this)), m_abort(new QPushButton(this)),
      m_escape(new QShortcut(QKeySequence(Qt::Key_Escape), parent->window()))
{
    setObjectName(QStringLiteral("frame_quickAlignment"));
    m_menuAction->setObjectName(QStringLiteral("actionQuick_Alignment"));
    m_instruction->setObjectName(QStringLiteral("label_quickInstruction"));
    m_detail->setObjectName(QStringLiteral("label_quickDetail"));
    m_manual->setObjectName(QStringLiteral("pushButton_quickManual"));
    m_abort->setObjectName(QStringLiteral("pushButton_quickAbort"));
    setGeometry(163, tipPanelY, 470, 100); // where the tip panel floats; the style sheet draws it
    m_instruction->setWordWrap(true);
    m_detail->setWordWrap(true);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_detail, 1);
    buttons->addWidget(m_manual);
    buttons->addWidget(m_abort);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->addWidget(m_instruction, 1);
    layout->addLayout(buttons);
    m_escape->setEnabled(false);

    connect(m_menuAction, &QAction::triggered, this, &QuickAlignmentPanel::startRequested);
    connect(m_manual, &QPushButton::clicked, this, &QuickAlignmentPanel::manualRequested);
    connect(m_abort, &QPushButton::clicked, this, &QuickAlignmentPanel::abortRequested);
    connect(m_escape, &QShortcut::activated, this, &QuickAlignmentPanel::abortRequested);
    connect(&quick, &QuickAlignment::phaseChanged, this, &QuickAlignmentPanel::showPhase);
    connect(&quick, &QuickAlignment::turnedChanged, this, &QuickAlignmentPanel::showTurned);
    connect(&quick, &QuickAlignment::noteChanged, this, [this](const QString &note) {
        if (note.isEmpty())
            showPhase();
        else
            m_detail->setText(note);
    });
    retranslate();
    hide();
}

void QuickAlignmentPanel::say(const QString &text)
{
    m_detail->setText(text);
}

void QuickAlignmentPanel::showPhase()
{
    const bool running = m_quick.running();
    setVisible(running);
    if (running)
        raise();
    m_escape->setEnabled(running);
    m_instruction->setText(m_quick.instruction());
    const auto phase = m_quick.phase();
    move(x(), phase == QuickAlignment::Phase::Monitoring ? belowTipPanelY : tipPanelY);
    if (phase == QuickAlignment::Phase::Monitoring)
        m_detail->setText(tr("Done by itself when the pole stays inside %1 for %2 s")
                              .arg(readoutwords::arcText(m_quick.target()))
                              .arg(QuickAlignment::insideTargetSeconds, 0, 'f', 0));
    else if (phase != QuickAlignment::Phase::TurnAway && phase != QuickAlignment::Phase::TurnBack
        && phase != QuickAlignment::Phase::ReturnHome)
        m_detail->clear();
}

void QuickAlignmentPanel::showTurned(double degrees)
{
    m_detail->setText(tr("Turned %1°").arg(std::lround(degrees)));
}

void QuickAlignmentPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

void QuickAlignmentPanel::retranslate()
{
    m_menuAction->setText(tr("Quick Alignment"));
    m_manual->setText(tr("Manual Steps"));
    m_abort->setText(tr("Abort"));
    m_instruction->setText(m_quick.instruction());
}
