// messagelog.h - collects the critical messages logged while it exists, so that a test can check
// that exactly the expected messages, or none, were logged.
#ifndef MESSAGELOG_H
#define MESSAGELOG_H

#include <QStringList>
#include <QtGlobal>

class MessageLog
{
public:
    MessageLog() : m_previous(qInstallMessageHandler(&MessageLog::collect)) { messages().clear(); }
    ~MessageLog() { qInstallMessageHandler(m_previous); }
    QStringList criticals() const { return messages(); }

private:
    static QStringList &messages()
    {
        static QStringList list;
        return list;
    }
    static void collect(QtMsgType type, const QMessageLogContext &, const QString &text)
    {
        if (type == QtCriticalMsg) {
            messages().append(text);
        }
    }
    const QtMessageHandler m_previous;
};

#endif // MESSAGELOG_H
