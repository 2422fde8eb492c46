// astrorefractiondialog.h - the observer's site and air for the refraction correction.
//
// The values live in the shared refraction inputs (sharedstate.h), which the capture thread reads
// every frame, and in the alignment session's site, which alone keeps the longitude and whether the
// site is known; the settings file keeps them between runs. The dialog edits a copy: OK applies all of
// it, and only when every field holds an accepted value; Cancel (or closing) applies nothing and
// shows the stored values again. The wizard opens the same dialog once as its site question
// (askForSite), with the correction ticked: once the site is known it is corrected for.
#ifndef ASTROREFRACTIONDIALOG_H
#define ASTROREFRACTIONDIALOG_H

#include "checkedfield.h"
#include "sitelocation.h"

#include <QDialog>

class AlignmentSession;

namespace Ui {
class AstroRefractionDialog;
}

class AstroRefractionDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AstroRefractionDialog(AlignmentSession &session, QWidget *parent = nullptr);
    ~AstroRefractionDialog() override;

    // Shows the stored site with the question above it, the correction ticked, and opens the
    // dialog window-modal; finished() tells when the user has answered.
    void askForSite();
    // Where "Use this computer's location" looks for an INDI device besides gpsd.
    void setIndiServer(const QString &host, quint16 port);

public slots:
    void initValues();
    void uiReset();
    void on_comboBox_presure_currentIndexChanged(int index);
    void on_pushButton_useLocation_clicked();
    void accept() override;
    void reject() override;

private:
    // Shows the unit entry and its pressure range without converting the value.
    void selectUnit(bool hectopascal);
    bool checkAll();
    void showLocation(const std::optional<GeoPosition> &found, const QString &problem);

    Ui::AstroRefractionDialog *ui;
    AlignmentSession &m_session;
    CheckedField m_latitude;
    CheckedField m_longitude;
    CheckedField m_pressure;
    CheckedField m_temperature;
    QString m_indiHost = QStringLiteral("localhost");
    quint16 m_indiPort = 7624;
};

#endif // ASTROREFRACTIONDIALOG_H
