// fuzz_grblstatus.cpp - any line as a GRBL controller's status report. A report that is accepted
// has a state of letters only and three to six finite positions, and written back in GRBL's own
// form it reads the same.
#include "fuzzsupport.h"
#include "grblprotocol.h"

#include <cctype>
#include <cmath>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzsupport::silenceLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using fuzzsupport::require;
    const auto status = grbl::parseStatus(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    if (!status)
        return 0;
    require(!status->state.isEmpty(), "a state is named");
    for (const char c : status->state)
        require(std::isalpha(static_cast<unsigned char>(c)), "the state is a word");
    require(status->position.size() >= 3 && status->position.size() <= 6, "three to six axes");
    QByteArray again = '<' + status->state + "|MPos:";
    for (const double p : status->position) {
        require(std::isfinite(p), "positions are finite");
        again += QByteArray::number(p, 'g', 17) + ',';
    }
    again.chop(1);
    const auto reread = grbl::parseStatus(again + '>');
    require(reread && reread->state == status->state && reread->position == status->position,
        "the report written back reads the same");
    return 0;
}
