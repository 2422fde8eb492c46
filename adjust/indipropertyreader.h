// indipropertyreader.h - the property vectors of one INDI device, read from a server's XML stream.
//
// The stream has no root element and arrives in pieces; each whole def*Vector, set*Vector and
// delProperty of the device comes out as one Vector with its state, message and the numbers
// (value, min, max), switches or texts it carries. Everything else is passed over. A stream that is not
// XML makes failed() true. A reader of no device ("") reads every device's vectors.
#ifndef INDIPROPERTYREADER_H
#define INDIPROPERTYREADER_H

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>
#include <QXmlStreamReader>

class IndiPropertyReader
{
public:
    struct Number
    {
        double value = 0, min = 0, max = 0;
    };
    struct Vector
    {
        enum class Kind { Define, Set, Delete } kind = Kind::Set;
        QString device;
        QString name;    // empty when a delProperty removes the whole device
        QString state;   // Idle, Ok, Busy, Alert ("" when the vector says none)
        QString message; // the driver's words with it, if any
        QHash<QString, Number> numbers;
        QHash<QString, bool> switches;
        QHash<QString, QString> texts; // the first 64 characters of each
    };

    explicit IndiPropertyReader(const QString &device);
    // The vectors of the device that `data` completes.
    QVector<Vector> feed(const QByteArray &data);
    void restart(); // a new connection's stream
    bool failed() const;

private:
    void start();
    void end(QVector<Vector> *done);

    QString m_device;
    QXmlStreamReader m_xml {QByteArrayLiteral("<indi>")};
    bool m_inVector = false;
    Vector m_vector;
    QString m_element, m_text;
    Number m_number;
};

#endif // INDIPROPERTYREADER_H
