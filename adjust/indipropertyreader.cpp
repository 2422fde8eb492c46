#include "indipropertyreader.h"

#include <cmath>

namespace {
// An element's text is a number or On/Off: anything longer is not kept whole.
constexpr int maxTextLength = 64;
// An INDI number as a driver sends it; NaN when it is not one.
double numberOf(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? value : NAN;
}
} // namespace

IndiPropertyReader::IndiPropertyReader(const QString &device) : m_device(device)
{ }

void IndiPropertyReader::restart()
{
    m_xml.clear();
    m_xml.addData(QByteArrayLiteral("<indi>"));
    m_inVector = false;
}

bool IndiPropertyReader::failed() const
{
    return m_xml.hasError() && m_xml.error() != QXmlStreamReader::PrematureEndOfDocumentError;
}

QVector<IndiPropertyReader::Vector> IndiPropertyReader::feed(const QByteArray &data)
{
    QVector<Vector> done;
    m_xml.addData(data);
    while (!m_xml.atEnd() && !failed()) {
        const QXmlStreamReader::TokenType token = m_xml.readNext();
        if (token == QXmlStreamReader::StartElement)
            start();
        else if (token == QXmlStreamReader::Characters && m_inVector && m_text.size() < maxTextLength)
            m_text += m_xml.text();
        else if (token == QXmlStreamReader::EndElement)
            end(&done);
    }
    return done;
}

void IndiPropertyReader::start()
{
    const QXmlStreamAttributes attributes = m_xml.attributes();
    const QStringRef name = m_xml.name();
    const bool vector = name.endsWith(QLatin1String("Vector")) || name == QLatin1String("delProperty");
    if (vector) {
        const QStringRef device = attributes.value(QLatin1String("device"));
        m_inVector = m_device.isEmpty() || device == m_device;
        m_vector = Vector();
        m_vector.device = device.toString();
        m_vector.kind = name.startsWith(QLatin1String("def")) ? Vector::Kind::Define
            : name.startsWith(QLatin1String("del"))           ? Vector::Kind::Delete
                                                              : Vector::Kind::Set;
        m_vector.name = attributes.value(QLatin1String("name")).toString();
        m_vector.state = attributes.value(QLatin1String("state")).toString();
        m_vector.message = attributes.value(QLatin1String("message")).toString();
        return;
    }
    if (!m_inVector)
        return;
    m_element = attributes.value(QLatin1String("name")).toString();
    m_number = Number();
    m_number.min = numberOf(attributes.value(QLatin1String("min")).toString());
    m_number.max = numberOf(attributes.value(QLatin1String("max")).toString());
    m_text.clear();
}

void IndiPropertyReader::end(QVector<Vector> *done)
{
    if (!m_inVector)
        return;
    const QStringRef name = m_xml.name();
    if (name.endsWith(QLatin1String("Vector")) || name == QLatin1String("delProperty")) {
        m_inVector = false;
        done->append(m_vector);
    } else if (name.endsWith(QLatin1String("Number"))) {
        m_number.value = numberOf(m_text);
        m_vector.numbers.insert(m_element, m_number);
    } else if (name.endsWith(QLatin1String("Switch"))) {
        m_vector.switches.insert(m_element, m_text.trimmed() == QLatin1String("On"));
    } else if (name.endsWith(QLatin1String("Text"))) {
        m_vector.texts.insert(m_element, m_text.trimmed());
    }
}
