#include "grblprotocol.h"

#include <QList>
#include <cctype>
#include <cmath>

namespace grbl {

std::optional<Status> parseStatus(const QByteArray &line)
{
    if (line.size() < 3 || line.size() > maxLineLength || !line.startsWith('<') || !line.endsWith('>'))
        return std::nullopt;
    const QList<QByteArray> fields = line.mid(1, line.size() - 2).split('|');
    Status status;
    status.state = fields.first().split(':').first();
    if (status.state.isEmpty() || status.state.size() > maxStateLength)
        return std::nullopt;
    for (const char c : status.state)
        if (!std::isalpha(static_cast<unsigned char>(c)))
            return std::nullopt;
    for (int i = 1; i < fields.size(); ++i) {
        const QByteArray &field = fields[i];
        if (!field.startsWith("MPos:") && !field.startsWith("WPos:"))
            continue;
        const QList<QByteArray> values = field.mid(5).split(',');
        if (values.size() < 3 || values.size() > 6)
            return std::nullopt;
        for (const QByteArray &value : values) {
            bool ok = false;
            const double v = value.toDouble(&ok);
            if (!ok || !std::isfinite(v))
                return std::nullopt;
            status.position.append(v);
        }
        return status;
    }
    return std::nullopt; // no position: nothing to follow the motors by
}

int axisIndex(char letter)
{
    static const QByteArray letters("XYZABC");
    return letters.indexOf(letter);
}

QByteArray jogCommand(const QVector<QPair<char, double>> &moves, double feedPerMin)
{
    QByteArray command("$J=G91G21");
    for (const auto &move : moves)
        command += move.first + QByteArray::number(move.second, 'f', 4);
    return command + 'F' + QByteArray::number(feedPerMin, 'f', 1) + '\n';
}

} // namespace grbl
