// Shell menu commands (Exit, the tool dialogs, the imaging setup and its target, the manual, About)
// and the interface language.
#include "aboutdialog.h"
#include "astrorefractiondialog.h"
#include "axiserrorpanel.h"
#include "mainwindow.h"
#include "phoneviewdialog.h"
#include "poletrackingdialog.h"
#include "programfiles.h"
#include "sharedstate.h"
#include "staralgorithms.h"
#include "ui_mainwindow.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPixmap>
#include <QProcess>
#include <QTranslator>
#include <QUrl>

#include <vector>

namespace {

struct Language
{
    const char *code;
    QAction *Ui::MainWindow::*action;
    const char *translation;
    const char *qtLocale; // of Qt's own translation, "qtbase_<locale>.qm"
};

// Codes are matched in this order, case-sensitively; anything else shows English.
const Language languages[] = {
    {"ZH", &Ui::MainWindow::actionChinese, ":/languages/lan_zh_cn.qm", "zh_CN"},
    {"JA", &Ui::MainWindow::actionJapanese, ":/languages/lan_ja_jp.qm", "ja"},
    {"DE", &Ui::MainWindow::actionGerman, ":/languages/lan_de_de.qm", "de"},
    {"ES", &Ui::MainWindow::actionSpanish, ":/languages/lan_es_es.qm", "es"},
    {"FR", &Ui::MainWindow::actionFrench, ":/languages/lan_fr_fr.qm", "fr"},
    {"IT", &Ui::MainWindow::actionItalian, ":/languages/lan_it_it.qm", "it"},
    {"RU", &Ui::MainWindow::actionRussian, ":/languages/lan_ru_ru.qm", "ru"},
    {"PT", &Ui::MainWindow::actionPortuguese, ":/languages/lan_pt_pt.qm", "pt_PT"},
    {"KO", &Ui::MainWindow::actionKorean, ":/languages/lan_ko_kr.qm", "ko"},
};
const Language english = {"EN", &Ui::MainWindow::actionEnglish, ":/languages/lan_en_us.qm", "en"};

// The message boxes' standard buttons take their texts from Qt's own translation context. Naming
// them here puts them into the program's translation files, so the one translator covers the
// Yes/No of the question and the OK of every box as well.
[[maybe_unused]] const char *const standardButtonTexts[] = {QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"), QT_TRANSLATE_NOOP("QPlatformTheme", "&No")};

const Language &languageFor(const QString &code)
{
    for (const Language &language : languages) {
        if (code == QLatin1String(language.code))
            return language;
    }
    return english;
}

#ifndef Q_OS_WIN
// Whether the desktop names a program for PDF files.
bool pdfViewerKnown()
{
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
        {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("application/pdf")});
    return query.waitForFinished(2000) && query.exitCode() == 0
        && !query.readAllStandardOutput().trimmed().isEmpty();
}
#endif

} // namespace

void MainWindow::on_actionExit_triggered()
{
    close();
}

void MainWindow::on_actionAstronomical_Refraction_triggered()
{
    showRefractionDialog(false);
}

void MainWindow::on_actionImaging_Setup_triggered()
{
    ImagingSetupDialog dialog({imagingSetup, altitudeTurns.knob(), azimuthTurns.knob()}, this);
    // The frames go on while the dialog is open: a knob's turn is learnt from the live readout.
    dialog.setNeededMoves([this]() -> std::optional<std::pair<double, double>> {
        const AlignmentSession::Readout &readout = session.readout();
        if (!readout.shown || readout.stale)
            return std::nullopt;
        return boltturns::neededMoves(readout.error, std::fabs(siteLatitude.load()));
    });
    if (dialog.exec() == QDialog::Accepted)
        applyImagingSetup(dialog.values());
}

void MainWindow::applyImagingSetup(const ImagingSetupDialog::Values &values)
{
    imagingSetup = values.setup;
    altitudeTurns.setKnob(values.altitude);
    azimuthTurns.setKnob(values.azimuth);
    session.setTargetArcsec(polartarget::targetArcsec(imagingSetup));
    qInfo("Target: %.0f arcsec from the imaging setup (0: none)", session.targetArcsec());
}

// The target in the readout and as a circle about the axis centre in the image.
void MainWindow::showTarget()
{
    targetRadiusPx = session.targetArcsec() / cameraArcsecPerPixel;
    axisErrorPanel->setTarget(session.targetArcsec());
}

void MainWindow::showRefractionDialog(bool asSiteQuestion)
{
    // "Use this computer's location" asks an INDI server too: the one the camera source names.
    astroRefractionDialog->setIndiServer(cameraSource.host, static_cast<quint16>(cameraSource.port));
    if (asSiteQuestion)
        astroRefractionDialog->askForSite();
    else
        astroRefractionDialog->show();
}

void MainWindow::on_actionManual_Trace_triggered()
{
    poleTrackingDialog->show();
}

void MainWindow::on_actionAbout_triggered()
{
    aboutDialog->show();
}

void MainWindow::on_actionPhone_View_triggered()
{
    phoneViewDialog->show();
    phoneViewDialog->raise();
}

void MainWindow::on_actionNordvane_Manual_triggered()
{
    const QString manual = ProgramFiles::manualPath();
#ifdef Q_OS_WIN
    auto *viewer = new QProcess(this);
    viewer->start(QStringLiteral("hh.exe"), {manual});
#else
    // Without a PDF viewer nothing would open (xdg-open fails after the call returns): the person
    // is told where the manual lies instead.
    if (!pdfViewerKnown() || !QDesktopServices::openUrl(QUrl::fromLocalFile(manual))) {
        qCritical("The manual %s was not opened: no program to show PDF files", qPrintable(manual));
        QMessageBox box(QMessageBox::Information, tr("Manual"),
            tr("No program on this computer opened the manual. It lies in:\n%1")
                .arg(QDir::toNativeSeparators(manual)),
            QMessageBox::Ok, this);
        box.setTextInteractionFlags(Qt::TextSelectableByMouse); // the path can be copied
        box.exec();
    }
#endif
}

QAction *MainWindow::languageAction(const QString &code) const
{
    return ui->*(languageFor(code).action);
}

void MainWindow::selectLanguage(bool checked, const QString &code)
{
    if (!checked)
        return;
    languageCode = code;
    emit changeLanguage();
}

void MainWindow::on_actionEnglish_toggled(bool checked)
{
    selectLanguage(checked, QStringLiteral("EN"));
}

void MainWindow::on_actionChinese_toggled(bool checked)
{
    selectLanguage(checked, QStringLiteral("ZH"));
}

void MainWindow::on_actionJapanese_toggled(bool checked)
{
    selectLanguage(checked, QStringLiteral("JA"));
}

void MainWindow::on_actionRussian_toggled(bool checked)
{
    selectLanguage(checked, QStringLiteral("RU"));
}

void MainWindow::on_actionFrench_toggled(bool checked)
{
    selectLanguage(checked, QStringLiteral("FR"));
}

void MainWindow::on_actionGerman_toggled(bool checked)
{
    selectLanguage(checked, QStringLiteral("DE"));
}

void MainWindow::on_actionSpanish_toggled(bool checked)
{
    selectLanguage(checked, QStringLiteral("ES"));
}

void MainWindow::on_actionPortuguese_toggled(bool checked)
{
    selectLanguage(checked, QStringLiteral("PT"));
}

void MainWindow::on_actionItalian_toggled(bool checked)
{
    selectLanguage(checked, QStringLiteral("IT"));
}

void MainWindow::on_actionKorean_toggled(bool checked)
{
    selectLanguage(checked, QStringLiteral("KO"));
}

void MainWindow::languageChanged()
{
    // One translator of each kind: loading replaces its content. The application would list it
    // once more for every install, so it is taken out first.
    const Language &language = languageFor(languageCode);
    if (!translator->load(QString::fromLatin1(language.translation)))
        return;
    // Qt's own texts come from Debian's qttranslations5-l10n; without it, or for English, they
    // stay English.
    QCoreApplication::removeTranslator(qtTranslator);
    if (qtTranslator->load(QLatin1String("qtbase_") + QLatin1String(language.qtLocale),
            QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTranslator);
    QCoreApplication::removeTranslator(translator);
    QCoreApplication::installTranslator(translator);
    emit resetUI();
}

void MainWindow::uiReset()
{
    // The form's retranslation would also put back the form's own placeholders where the program
    // has written since: measured positions, the template and magnified pictures (setText clears a
    // label's pixmap), the connection's menu text and the title with the camera id. A language
    // change keeps all of them, so the wizard carries on where it was.
    struct KeptLabel
    {
        QLabel *label;
        QString text;
        QPixmap pixmap;
    };
    std::vector<KeptLabel> kept;
    for (QLabel *label : {ui->label_axisPos, ui->label_curPos, ui->label_eptPos, ui->label_refStarA_pos,
             ui->label_refStarB_pos, ui->label_pole, ui->label_poleSigma, ui->label_templateImg,
             ui->label_biggerImg})
        kept.push_back({label, label->text(), label->pixmap(Qt::ReturnByValue)});
    const QString title = windowTitle();

    ui->retranslateUi(this);

    for (const KeptLabel &k : kept) {
        if (k.pixmap.isNull())
            k.label->setText(k.text);
        else
            k.label->setPixmap(k.pixmap);
    }
    if (cameraConnected) {
        ui->actionConnect->setText(tr("Disconnect"));
        setWindowTitle(title);
    }
    wizard::retranslateTipPanel(tipPanel, regionName);
    if (label_direction)
        scaleDirectionArrow(zoomFactor);
    if (biggerViewImage.isNull())
        showMagnifiedPlaceholder();
    if (label_source) // not yet made while the window is built in the stored language
        showCameraSource(shownSource);
}

void MainWindow::poleTracking(double degree)
{
    // Always from the start positions, so the dial's value is the whole turn since confirmation.
    const QPointF center = axisCenter.load();
    const QPointF startA = session.referenceStarA(), startB = session.referenceStarB();
    QPointF a, b;
    starAlgorithms.RotatePoint(degree, startA.x(), startA.y(), center.x(), center.y(), &a.rx(), &a.ry());
    starAlgorithms.RotatePoint(degree, startB.x(), startB.y(), center.x(), center.y(), &b.rx(), &b.ry());
    starASearchPos.store(a);
    starBSearchPos.store(b);
    trackedRaTurn = degree;
}
