// fuzz_indiproperties.cpp - any bytes as an INDI server's stream to the adjuster's client, cut
// into pieces where the input says, as a socket hands them over. The reader must give the same
// vectors however the stream is cut, every number finite or NaN (not one), and stop at XML that
// is not well formed.
#include "fuzzsupport.h"
#include "indipropertyreader.h"

#include <cmath>
#include <fuzzer/FuzzedDataProvider.h>

namespace {
bool same(const QVector<IndiPropertyReader::Vector> &a, const QVector<IndiPropertyReader::Vector> &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (a[i].name != b[i].name || a[i].state != b[i].state || a[i].kind != b[i].kind
            || a[i].switches != b[i].switches || a[i].numbers.keys() != b[i].numbers.keys())
            return false;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzsupport::silenceLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using fuzzsupport::require;
    FuzzedDataProvider input(data, size);
    const size_t cut = input.ConsumeIntegral<uint16_t>();
    const std::string stream = input.ConsumeRemainingBytesAsString();
    const QByteArray bytes = QByteArray::fromStdString(stream);

    IndiPropertyReader whole(QStringLiteral("Velto Q7 Adjuster"));
    const auto all = whole.feed(bytes);
    IndiPropertyReader pieces(QStringLiteral("Velto Q7 Adjuster"));
    const int at = bytes.isEmpty() ? 0 : int(cut % size_t(bytes.size()));
    auto parts = pieces.feed(bytes.left(at));
    parts += pieces.feed(bytes.mid(at));
    require(whole.failed() || pieces.failed() || same(all, parts), "the same vectors however it is cut");
    for (const auto &vector : all)
        for (const auto &number : vector.numbers)
            require(!std::isinf(number.value) && !std::isinf(number.min) && !std::isinf(number.max),
                "numbers are finite or not numbers");
    return 0;
}
