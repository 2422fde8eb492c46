// phoneview.cpp - the session's readout as messages for the page (see phoneview.h).
#include "phoneview.h"

#include "alignmentsession.h"
#include "readoutwords.h"
#include "steptexts.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QJsonDocument>

namespace {

constexpr int poleViewJpegQuality = 70;

// The words before and after the figure, the figure apart: the page writes it in large digits.
QJsonObject lineMessage(const readoutwords::Line &line)
{
    const QStringList around = line.sentence.split(QStringLiteral("%1"));
    return {{QStringLiteral("arrow"), line.arrow}, {QStringLiteral("before"), around.value(0)},
        {QStringLiteral("figure"), line.figure}, {QStringLiteral("after"), around.mid(1).join(QString())}};
}

} // namespace

PhoneView::PhoneView(AlignmentSession *session, QObject *parent) : QObject(parent), m_session(session)
{
    for (auto changed :
        {&AlignmentSession::readoutChanged, &AlignmentSession::siteChanged, &AlignmentSession::targetChanged})
        connect(session, changed, this, &PhoneView::publishReadout);
    connect(session, &AlignmentSession::stepChanged, this, &PhoneView::publishReadout);
    connect(session, &AlignmentSession::finishedChanged, this, &PhoneView::publishReadout);
    connect(session, &AlignmentSession::instructionChanged, this, &PhoneView::publishReadout);
    connect(session, &AlignmentSession::poleViewChanged, this, &PhoneView::publishPoleView);
    // Once the server starts there is a readout for the first viewer, even before anything changes.
    connect(&m_server, &PhoneViewServer::viewersChanged, this, &PhoneView::publishReadout);
}

QJsonObject PhoneView::readoutMessage(const AlignmentSession &session)
{
    const AlignmentSession::Readout &r = session.readout();
    QJsonObject message {{QStringLiteral("step"), session.step()},
        {QStringLiteral("tip"),
            session.instruction().isEmpty() ? steptexts::tip(session.step(), session.north())
                                            : session.instruction()},
        {QStringLiteral("done"), session.finished()}, {QStringLiteral("shown"), r.shown},
        {QStringLiteral("labels"),
            QJsonObject {
                {QStringLiteral("done"), QCoreApplication::translate("MainWindow", "Alignment finished")},
                {QStringLiteral("waiting"), tr("Waiting for the readout: start monitoring the pole")},
                {QStringLiteral("lost"), tr("Connection lost: open the address the program shows again")},
                {QStringLiteral("sound"), tr("Sound")},
                {QStringLiteral("inside"), tr("Inside the target")}}}};
    if (!r.shown)
        return message;
    message.insert(QStringLiteral("altitude"), lineMessage(readoutwords::altitude(r.error)));
    message.insert(QStringLiteral("azimuth"), lineMessage(readoutwords::azimuth(r.error, session.north())));
    message.insert(QStringLiteral("total"), readoutwords::total(r.totalArcsec));
    message.insert(QStringLiteral("totalArcsec"), r.totalArcsec);
    message.insert(
        QStringLiteral("sigma"), r.sigmaArcsec > 0 ? readoutwords::sigmaText(r.sigmaArcsec) : QString());
    message.insert(QStringLiteral("stale"), r.stale ? r.staleReason : QString());
    message.insert(QStringLiteral("siteUnknown"), r.siteKnown ? QString() : readoutwords::siteUnknown());
    const double target = session.targetArcsec();
    if (target > 0) {
        message.insert(QStringLiteral("target"), readoutwords::target(target));
        message.insert(QStringLiteral("targetArcsec"), target);
        message.insert(QStringLiteral("inside"), !r.stale && readoutwords::insideTarget(r.totalArcsec, target));
    }
    return message;
}

QByteArray PhoneView::poleViewJpeg(const AlignmentSession &session)
{
    const cv::Mat &view = session.poleView();
    if (view.empty() || view.type() != CV_8UC3)
        return QByteArray();
    const QImage image(view.data, view.cols, view.rows, int(view.step), QImage::Format_RGB888);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", poleViewJpegQuality);
    return jpeg;
}

void PhoneView::publishReadout()
{
    if (m_server.running())
        m_server.publishReadout(QJsonDocument(readoutMessage(*m_session)).toJson(QJsonDocument::Compact));
}

// Encoded only while someone watches, and only a few times a second.
void PhoneView::publishPoleView()
{
    if (!m_server.running() || m_server.viewers().isEmpty())
        return;
    if (m_sinceView.isValid() && m_sinceView.elapsed() < poleViewIntervalMs && !m_session->poleView().empty())
        return;
    m_sinceView.start();
    m_server.publishView(poleViewJpeg(*m_session));
}
