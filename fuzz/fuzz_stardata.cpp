// fuzz_stardata.cpp - a star data file with arbitrary contents, read as LoadStarPosData reads the
// embedded ones (readStarPosData for a date taken from the input), followed by the template pole
// that the window computes from the record (CalcTemplatePole, as markTemplatePoles does). Every
// position and angle must be finite, and the pole too when it is delivered.
#include "fuzzsupport.h"
#include "hemispherestardata.h"
#include "staralgorithms.h"

#include <cmath>
#include <fuzzer/FuzzedDataProvider.h>

namespace {
bool finite(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
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
    // Any day from 1 January 2000 to the end of 2099 (Julian day numbers), which covers every epoch
    // the data could hold and dates on both sides of them.
    const QDate today = QDate::fromJulianDay(input.ConsumeIntegralInRange<qint64>(2451545, 2488069));
    HemisphereStarData defaults;
    defaults.starA = QPointF(264, 272);
    defaults.starB = QPointF(400, 400);
    defaults.starD = QPointF(602, 230);
    const std::string contents = input.ConsumeRemainingBytesAsString();
    const QString file
        = fuzzsupport::writeInput(reinterpret_cast<const uint8_t *>(contents.data()), contents.size());
    const HemisphereStarData star = readStarPosData(file, defaults, today);
    fuzzsupport::observeKeys(file,
        {QStringLiteral("A_X_Mask"), QStringLiteral("A_Y_Mask"), QStringLiteral("B_X_Mask"),
            QStringLiteral("B_Y_Mask"), QStringLiteral("D_X_Mask"), QStringLiteral("D_Y_Mask"),
            QStringLiteral("BAP_20250523"), QStringLiteral("ABP_20250523"), QStringLiteral("DBP_20250523"),
            QStringLiteral("BAP_20260523"), QStringLiteral("ABP_20260523"), QStringLiteral("DBP_20260523")});
    fuzzsupport::removeInput(file);

    require(finite(star.starA) && finite(star.starB) && finite(star.starD), "star positions are finite");
    require(std::isfinite(star.angleBAP) && std::isfinite(star.angleABP) && std::isfinite(star.angleDBP),
        "angles are finite");

    double x = 1, y = 1;
    starAlgorithms.CalcTemplatePole(star.starA.x(), star.starA.y(), star.angleBAP, star.starB.x(),
        star.starB.y(), star.angleABP, &x, &y, star.starD.x(), star.starD.y(), star.angleDBP);
    require(std::isfinite(x) && std::isfinite(y), "the template pole is finite");
    return 0;
}
