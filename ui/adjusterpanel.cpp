#include "adjusterpanel.h"

#include "adjusterdevice.h"
#include "adjusterdialog.h"
#include "alignmentloop.h"
#include "utcclock.h"

#include <QAction>
#include <QDebug>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

AdjusterPanel::AdjusterPanel(AlignmentSession &session, QWidget *parent)
    : QWidget(parent), m_session(session), m_loop(new AlignmentLoop(&session, utcNow, this))
{
    setObjectName(QStringLiteral("widget_adjuster"));
    m_menuAction = new QAction(this);
    m_menuAction->setObjectName(QStringLiteral("actionAdjuster"));
    connect(m_menuAction, &QAction::triggered, this, &AdjusterPanel::chooseDevice);
    m_align = new QPushButton(this);
    m_align->setObjectName(QStringLiteral("pushButton_alignAutomatically"));
    m_abort = new QPushButton(this);
    m_abort->setObjectName(QStringLiteral("pushButton_abortAdjuster"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("label_adjusterStatus"));
    m_status->setWordWrap(true);
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_align, 0, 0);
    layout->addWidget(m_abort, 0, 1);
    layout->addWidget(m_status, 1, 0, 1, 2);
    retranslate();

    connect(m_align, &QPushButton::clicked, this, [this] {
        m_loop->start(m_device.get());
        updateButtons();
    });
    connect(m_abort, &QPushButton::clicked, m_loop, &AlignmentLoop::abort);
    // Esc stops the motors wherever the focus is in the window.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), parent ? parent->window() : this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, m_loop, &AlignmentLoop::abort);
    connect(m_loop, &AlignmentLoop::progress, this, &AdjusterPanel::say);
    connect(m_loop, &AlignmentLoop::finished, this, [this](bool, const QString &why) { say(why); });
    connect(m_loop, &AlignmentLoop::finished, this, &AdjusterPanel::updateButtons);
    connect(&m_session, &AlignmentSession::readoutChanged, this, &AdjusterPanel::updateButtons);
    connect(&m_session, &AlignmentSession::axisCentreChanged, this, &AdjusterPanel::updateButtons);
    updateButtons();
    hide(); // until an adjuster is chosen
}

AdjusterPanel::~AdjusterPanel()
{
    m_loop->abort();
}

void AdjusterPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void AdjusterPanel::retranslate()
{
    m_menuAction->setText(tr("Adjuster…"));
    m_align->setText(tr("Align Automatically"));
    m_abort->setText(tr("Abort"));
}

void AdjusterPanel::chooseDevice()
{
    AdjusterDialog dialog(m_choice.value_or(AdjusterChoice {}), window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_choice = dialog.choice();
    if (auto device = AdjusterDialog::device(*m_choice))
        useDevice(std::move(device));
    else
        say(tr("The adjuster's settings are not complete."));
}

void AdjusterPanel::useDevice(std::unique_ptr<AdjusterDevice> device)
{
    m_loop->abort();
    m_device = std::move(device);
    connect(m_device.get(), &AdjusterDevice::opened, this, [this] {
        say(tr("Connected: %1").arg(m_device->description()));
        updateButtons();
    });
    connect(m_device.get(), &AdjusterDevice::failed, this, [this](const QString &why) {
        if (!m_loop->running())
            say(tr("The adjuster failed (%1).").arg(why));
        updateButtons();
    });
    say(tr("Connecting to %1…").arg(m_device->description()));
    qInfo().noquote() << "Adjuster chosen:" << m_device->description();
    show();
    m_device->open();
    updateButtons();
}

void AdjusterPanel::updateButtons()
{
    const bool running = m_loop->running();
    m_align->setEnabled(!running && m_loop->canStart(m_device.get()));
    m_abort->setEnabled(running);
}

void AdjusterPanel::say(const QString &text)
{
    m_status->setText(text);
}
