// phoneviewdialog.cpp - Tools > Phone View... (see phoneviewdialog.h).
#include "phoneviewdialog.h"

#include "phoneview.h"
#include "phoneviewhub.h"
#include "settingsfile.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QNetworkInterface>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <qrencode.h>

namespace {

const QString group = QStringLiteral("PHONE_VIEW");
constexpr int codeScale = 6; // pixels a module: a phone's camera reads it from the screen easily

// This computer's IPv4 addresses on networks that are up, the loopback last: a phone reaches the
// first; the loopback serves a browser on this computer.
QStringList localAddresses()
{
    QStringList addresses;
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        if (!(interface.flags() & QNetworkInterface::IsUp)
            || interface.flags() & QNetworkInterface::IsLoopBack)
            continue;
        for (const QNetworkAddressEntry &entry : interface.addressEntries())
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol)
                addresses << entry.ip().toString();
    }
    addresses << QStringLiteral("127.0.0.1");
    return addresses;
}

QSettings *readSettings()
{
    const QString path = SettingsFile::pathToRead(SettingsFile::programPath(), SettingsFile::userPath());
    return path.isEmpty() ? nullptr : new QSettings(path, QSettings::IniFormat);
}

} // namespace

PhoneViewDialog::PhoneViewDialog(AlignmentSession *session, QWidget *parent)
    : QDialog(parent), m_phone(new PhoneView(session, this)), m_address(new QComboBox(this)),
      m_port(new QSpinBox(this)), m_start(new QPushButton(this)), m_stop(new QPushButton(this)),
      m_intro(new QLabel(this)), m_url(new QLabel(this)), m_code(new QLabel(this)),
      m_viewersTitle(new QLabel(this)), m_viewers(new QListWidget(this)), m_error(new QLabel(this)),
      m_addressLabel(new QLabel(this)), m_portLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("dialog_phoneView"));
    m_address->setObjectName(QStringLiteral("comboBox_phoneAddress"));
    m_address->setEditable(true);
    m_address->addItems(localAddresses());
    m_port->setObjectName(QStringLiteral("spinBox_phonePort"));
    m_port->setRange(1024, 65535);
    m_port->setValue(PhoneViewServer::defaultPort);
    m_start->setObjectName(QStringLiteral("pushButton_phoneStart"));
    m_stop->setObjectName(QStringLiteral("pushButton_phoneStop"));
    m_intro->setWordWrap(true);
    m_url->setObjectName(QStringLiteral("label_phoneAddress"));
    m_url->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_code->setObjectName(QStringLiteral("label_phoneCode"));
    m_code->setAlignment(Qt::AlignCenter);
    m_viewers->setObjectName(QStringLiteral("listWidget_phoneViewers"));
    m_viewers->setMaximumHeight(90);
    m_error->setObjectName(QStringLiteral("label_phoneError"));
    m_error->setWordWrap(true);

    auto *where = new QFormLayout;
    where->addRow(m_addressLabel, m_address);
    where->addRow(m_portLabel, m_port);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_start);
    buttons->addWidget(m_stop);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_intro);
    layout->addLayout(where);
    layout->addLayout(buttons);
    layout->addWidget(m_error);
    layout->addWidget(m_url);
    layout->addWidget(m_code);
    layout->addWidget(m_viewersTitle);
    layout->addWidget(m_viewers);

    connect(m_start, &QPushButton::clicked, this, [this] { start(true); });
    connect(m_stop, &QPushButton::clicked, this, &PhoneViewDialog::stop);
    connect(&m_phone->server(), &PhoneViewServer::viewersChanged, this, &PhoneViewDialog::showState);
    retranslate();

    // The choice of the last run: on again, with a new token, where it was.
    const std::unique_ptr<QSettings> settings(readSettings());
    bool enabled = false;
    if (settings) {
        settings->beginGroup(group);
        enabled = settings->value(QStringLiteral("enabled"), false).toBool();
        const QString address = settings->value(QStringLiteral("address")).toString();
        if (!address.isEmpty())
            m_address->setCurrentText(address);
        const int port = settings->value(QStringLiteral("port"), PhoneViewServer::defaultPort).toInt();
        if (port >= m_port->minimum() && port <= m_port->maximum())
            m_port->setValue(port);
    }
    if (enabled)
        start(false);
    showState();
}

// The server stops as its owner, a child of this dialog, is destroyed: its last word must not reach
// a dialog already half destroyed.
PhoneViewDialog::~PhoneViewDialog()
{
    if (m_phone)
        disconnect(&m_phone->server(), nullptr, this, nullptr);
}

bool PhoneViewDialog::startForThisRun(quint16 port)
{
    m_port->setValue(port);
    if (!start(false)) {
        std::fprintf(stderr, "Phone view: %s\n", qPrintable(m_error->text()));
        return false;
    }
    std::printf("%s\n", qPrintable(m_phone->server().url()));
    std::fflush(stdout);
    return true;
}

bool PhoneViewDialog::start(bool keep)
{
    QString error;
    const bool started
        = m_phone->server().start(m_address->currentText().trimmed(), quint16(m_port->value()), &error);
    m_error->setText(started ? QString() : tr("The phone view could not start: %1").arg(error));
    if (!started)
        qCritical("Phone view: %s", qPrintable(error));
    else if (keep)
        keepChoice(true);
    showState();
    return started;
}

void PhoneViewDialog::stop()
{
    m_phone->server().stop();
    keepChoice(false);
    showState();
}

void PhoneViewDialog::keepChoice(bool enabled)
{
    SettingsFile::write(SettingsFile::programPath(), SettingsFile::userPath(), [&](QSettings &settings) {
        settings.beginGroup(group);
        settings.setValue(QStringLiteral("enabled"), enabled);
        settings.setValue(QStringLiteral("address"), m_address->currentText().trimmed());
        settings.setValue(QStringLiteral("port"), m_port->value());
        settings.endGroup();
    });
}

void PhoneViewDialog::showState()
{
    const PhoneViewServer &server = m_phone->server();
    const bool running = server.running();
    m_start->setEnabled(!running);
    m_stop->setEnabled(running);
    m_address->setEnabled(!running);
    m_port->setEnabled(!running);
    m_url->setText(server.url());
    m_url->setVisible(running);
    m_code->setPixmap(running ? QPixmap::fromImage(qrCode(server.url(), codeScale)) : QPixmap());
    m_code->setVisible(running);
    m_viewers->clear();
    m_viewers->addItems(server.viewers());
    m_viewersTitle->setText(tr("Viewers: %1 of %2").arg(m_viewers->count()).arg(PhoneViewHub::maxViewers));
}

QImage PhoneViewDialog::qrCode(const QString &text, int scale)
{
    const QByteArray utf8 = text.toUtf8();
    QRcode *code = QRcode_encodeString(utf8.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1);
    if (!code)
        return QImage();
    constexpr int quietZone = 4; // modules of white around the code, as the standard asks
    const int side = (code->width + 2 * quietZone) * scale;
    QImage image(side, side, QImage::Format_Grayscale8);
    image.fill(255);
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x)
            if (code->data[y * code->width + x] & 1) // bit 0: a dark module
                for (int dy = 0; dy < scale; ++dy)
                    std::fill_n(
                        image.scanLine((y + quietZone) * scale + dy) + (x + quietZone) * scale, scale, 0);
    QRcode_free(code);
    return image;
}

void PhoneViewDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void PhoneViewDialog::retranslate()
{
    setWindowTitle(tr("Phone View"));
    m_intro->setText(tr("Shows the readout on a phone or tablet on the same network: start, then scan the "
                        "code or open the address. Each start makes a new address."));
    m_addressLabel->setText(tr("Address"));
    m_portLabel->setText(tr("Port"));
    m_start->setText(tr("Start"));
    m_stop->setText(tr("Stop"));
    showState();
}
