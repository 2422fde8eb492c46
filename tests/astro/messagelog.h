// messagelog.h - collects the critical messages logged while it exists, so that a test can check
// both that a message was logged and that none was.
#ifndef MESSAGELOG_H
#define MESSAGELOG_H

#include <QStringList>
#include <QtGlobal>

class MessageLog
{
public:
    MessageLog()
    {
        messages().clear();
        m_previous = qInstallMessageHandler(&MessageLog::collect);
    }
    ~MessageLog() { qInstallMessageHandler(m_previous); }
    MessageLog(const MessageLog &) = delete;
    MessageLog &operator=(const MessageLog &) = delete;

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
    QtMessageHandler m_previous;
};

#endif // MESSAGELOG_H
