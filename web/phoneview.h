// phoneview.h - the alignment's readout on a phone: observes an AlignmentSession and pushes what
// it says to the viewers of a PhoneViewServer. It reads nothing but the session.
//
// Usage:
//   PhoneView phone(&window.alignment());
//   QString error;
//   if (phone.server().start("192.168.1.20", PhoneViewServer::defaultPort, &error))
//       print(phone.server().url());
#ifndef PHONEVIEW_H
#define PHONEVIEW_H

#include "phoneviewserver.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QObject>

class AlignmentSession;

class PhoneView : public QObject
{
    Q_OBJECT

public:
    // The pole view is sent at most this often: a few pictures a second are enough to watch the
    // pole move while a bolt turns, and keep a phone on a weak network in step.
    static constexpr int poleViewIntervalMs = 250;

    explicit PhoneView(AlignmentSession *session, QObject *parent = nullptr);

    PhoneViewServer &server() { return m_server; }

    // The readout as the page receives it; its texts are the window's, in the current language.
    static QJsonObject readoutMessage(const AlignmentSession &session);
    // The pole view as a small JPEG; empty without one.
    static QByteArray poleViewJpeg(const AlignmentSession &session);

private:
    void publishReadout();
    void publishPoleView();

    AlignmentSession *m_session;
    PhoneViewServer m_server;
    QElapsedTimer m_sinceView;
};

#endif // PHONEVIEW_H
