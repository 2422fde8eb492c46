// mainwindow.h - the program's one window: form, menus, dialogs, settings, and (in the pieces
// named below) the live camera view and the alignment wizard.
//
// The implementation is split by concern:
//   mainwindow.cpp           construction, close, destruction
//   mainwindow_settings.cpp  the settings file (read at construction, written at close)
//   mainwindow_menus.cpp     shell menu commands, interface languages, the manual, pole tracking
//   mainwindow_sections.cpp  collapsing and expanding the five sections of the left panel
#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QMainWindow>
#include <QPoint>
#include <QPointF>
#include <QString>

class AboutDialog;
class AstroRefractionDialog;
class PoleTrackingDialog;
class QAction;
class QActionGroup;
class QGraphicsDropShadowEffect;
class QGridLayout;
class QLabel;
class QPushButton;
class QTranslator;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

signals:
    void initAstroRefraction();
    void changeLanguage();
    void resetUI();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    // Shell menu commands and languages (mainwindow_menus.cpp).
    void on_actionExit_triggered();
    void on_actionAstronomical_Refraction_triggered();
    void on_actionManual_Trace_triggered();
    void on_actionNordvane_Manual_triggered();
    void on_actionAbout_triggered();
    void on_actionEnglish_toggled(bool checked);
    void on_actionChinese_toggled(bool checked);
    void on_actionJapanese_toggled(bool checked);
    void on_actionRussian_toggled(bool checked);
    void on_actionFrench_toggled(bool checked);
    void on_actionGerman_toggled(bool checked);
    void on_actionSpanish_toggled(bool checked);
    void on_actionPortuguese_toggled(bool checked);
    void on_actionItalian_toggled(bool checked);
    void on_actionKorean_toggled(bool checked);
    void languageChanged();
    void uiReset();
    void poleTracking(double degree);

    // Left panel sections (mainwindow_sections.cpp).
    void on_pushButton_head_region_toggled(bool checked);
    void on_pushButton_head_setting_toggled(bool checked);
    void on_pushButton_head_confirm_toggled(bool checked);
    void on_pushButton_head_rough_toggled(bool checked);
    void on_pushButton_head_precise_toggled(bool checked);

private:
    friend class TestMainWindow;

    // Settings file (mainwindow_settings.cpp).
    bool loadSettings();
    void saveSettings();
    void setDefaultSettings();

    // Languages (mainwindow_menus.cpp).
    void selectLanguage(bool checked, const QString &code);
    QAction *languageAction(const QString &code) const;

    void showSection(QPushButton *head, QWidget *content, bool expanded);

    Ui::MainWindow *ui;
    QActionGroup *zoomGroup;
    QActionGroup *languageGroup;
    QGridLayout *imageLayout;
    QLabel *label_cursorPos;
    QLabel *label_direction;
    AboutDialog *aboutDialog;
    AstroRefractionDialog *astroRefractionDialog;
    PoleTrackingDialog *poleTrackingDialog;
    QGraphicsDropShadowEffect *confirmSliderEffect;
    QGraphicsDropShadowEffect *roughSliderEffect;
    QTranslator *translator;

    QPoint clickLabelPos;    // last pointer position on label_showImg, label pixels
    QPointF clickImagePos;   // the same in camera image pixels
    QString languageCode;    // "EN", "ZH", ... (any stored text is kept)
    QString regionName;      // "North" or "South"
    float zoomFactor = 1.0f; // label pixels per image pixel
    QPointF starAStart;      // reference stars A and B where the pole star was confirmed, image pixels
    QPointF starBStart;
};

#endif // MAINWINDOW_H
