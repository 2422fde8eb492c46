// Choosing a language re-applies the texts of every window at once (main window, tip panel with
// the current hemisphere's variants, the three dialogs, tool windows), leaves the wizard where it
// was, and choosing English again restores exactly the English texts.
#include "mainwindow.h"
#include "virtualmountwindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMap>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QRawFont>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

// Whether one installed font has a glyph for every letter of `text` (Qt falls back to it).
bool someFontDraws(const QString &text)
{
    const QVector<uint> letters = text.toUcs4();
    const QStringList families = QFontDatabase().families();
    return std::any_of(families.begin(), families.end(), [&](const QString &family) {
        const QRawFont font = QRawFont::fromFont(QFont(family));
        return std::all_of(letters.begin(), letters.end(), [&](uint c) { return font.supportsCharacter(c); });
    });
}

using Texts = QMap<QString, QString>;

// Every text a user can see on obj, keyed by the object's name and the property.
void collect(QObject *obj, const QString &owner, Texts &texts)
{
    const QString name = owner + QLatin1Char('/') + obj->objectName();
    if (auto *widget = qobject_cast<QWidget *>(obj); widget && widget->isWindow())
        texts.insert(name + QStringLiteral(".windowTitle"), widget->windowTitle());
    if (auto *button = qobject_cast<QAbstractButton *>(obj))
        texts.insert(name + QStringLiteral(".text"), button->text());
    else if (auto *label = qobject_cast<QLabel *>(obj))
        texts.insert(name + QStringLiteral(".text"), label->text());
    else if (auto *group = qobject_cast<QGroupBox *>(obj))
        texts.insert(name + QStringLiteral(".title"), group->title());
    else if (auto *menu = qobject_cast<QMenu *>(obj))
        texts.insert(name + QStringLiteral(".title"), menu->title());
    else if (auto *action = qobject_cast<QAction *>(obj); action && !action->isSeparator())
        texts.insert(name + QStringLiteral(".text"), action->text());
    else if (auto *combo = qobject_cast<QComboBox *>(obj)) {
        for (int i = 0; i < combo->count(); ++i)
            texts.insert(name + QStringLiteral(".item%1").arg(i), combo->itemText(i));
    }
}

// The texts of every window of the program: the main window with its dialogs, and any other
// top-level window it opened.
Texts allTexts(QWidget *mainWindow)
{
    Texts texts;
    QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window != mainWindow && window->parentWidget() == nullptr && window->objectName().isEmpty())
            continue; // menus' and the platform's own unnamed helpers
        const QString owner = window->objectName();
        collect(window, owner, texts);
        for (QObject *child : window->findChildren<QObject *>()) {
            if (!child->objectName().isEmpty())
                collect(child, owner, texts);
        }
    }
    return texts;
}

QString diff(const Texts &actual, const Texts &expected)
{
    QStringList lines;
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        if (actual.value(it.key()) != it.value())
            lines << QStringLiteral("%1: \"%2\", expected \"%3\"")
                         .arg(it.key(), actual.value(it.key()), it.value());
    }
    for (auto it = actual.begin(); it != actual.end(); ++it) {
        if (!expected.contains(it.key()))
            lines << QStringLiteral("%1: unexpected \"%2\"").arg(it.key(), it.value());
    }
    return lines.join(QLatin1Char('\n'));
}

QString yesButtonText()
{
    QMessageBox question(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
    return question.button(QMessageBox::Yes)->text();
}

const char *const versionText = "Velto Q7 " VELTO_VERSION ", release on " VELTO_RELEASE_DATE;

} // namespace

class TestLanguageSwitch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void switchingChangesEveryWindowAndBack_data();
    void switchingChangesEveryWindowAndBack();
    void hemisphereTipsFollowRegion_data();
    void hemisphereTipsFollowRegion();
    void programWrittenStateSurvives();
    void qtOwnTextsFollow();

private:
    template <typename T> T *find(const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }
    void choose(const char *actionName);

    std::unique_ptr<MainWindow> window;
    Texts english;
};

void TestLanguageSwitch::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    // The simulated camera's tool window, opened over the main window as while it is connected.
    if (!window->findChild<VirtualMountWindow *>())
        (new VirtualMountWindow(window.get()))->show();
    // A settings file beside the tests may have stored another language.
    choose("actionEnglish");
    english = allTexts(window.get());
    QVERIFY(english.size() > 80);
}

void TestLanguageSwitch::cleanupTestCase()
{
    window.reset();
}

void TestLanguageSwitch::choose(const char *actionName)
{
    auto *action = find<QAction>(actionName);
    QVERIFY2(action, actionName);
    action->setChecked(true);
    // Windows that follow QEvent::LanguageChange get it posted by the translator's installation.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

void TestLanguageSwitch::switchingChangesEveryWindowAndBack_data()
{
    QTest::addColumn<QString>("action");
    for (const char *action : {"actionChinese", "actionJapanese", "actionRussian", "actionFrench",
             "actionGerman", "actionSpanish", "actionPortuguese", "actionItalian", "actionKorean"})
        QTest::newRow(action) << action;
}

void TestLanguageSwitch::switchingChangesEveryWindowAndBack()
{
    QFETCH(QString, action);
    auto *tips = find<QTabWidget>("tabWidget_tipMsg");
    const int page = tips ? tips->currentIndex() : -1;

    choose(qPrintable(action));
    const Texts translated = allTexts(window.get());

    // A sample from every window, each a text that no language writes as English does.
    const QStringList sample {QStringLiteral("MainWindow/menuHelp.title"),
        QStringLiteral("MainWindow/pushButton_head_region.text"),
        QStringLiteral("MainWindow/groupBox_monitor.title"),
        QStringLiteral("MainWindow/actionNordvane_Manual.text"),
        QStringLiteral("AboutDialog/AboutDialog.windowTitle"),
        QStringLiteral("AstroRefractionDialog/AstroRefractionDialog.windowTitle"),
        QStringLiteral("AstroRefractionDialog/checkBox_enableAstroRef.text"),
        QStringLiteral("PoleTrackingDialog/PoleTrackingDialog.windowTitle"),
        QStringLiteral("PoleTrackingDialog/label_info.text"),
        QStringLiteral("VirtualMountWindow/VirtualMountWindow.windowTitle"),
        QStringLiteral("VirtualMountWindow/pushButton_newError.text"),
        QStringLiteral("VirtualMountWindow/checkBox_showTruth.text")};
    for (const QString &key : sample) {
        QVERIFY2(english.contains(key), qPrintable(key));
        QVERIFY2(
            translated.value(key) != english.value(key), qPrintable(key + QStringLiteral(" stayed English")));
    }
    if (tips) {
        for (const char *key : {"MainWindow/label_setting_tipMsg.text",
                 "MainWindow/pushButton_setting_done.text", "MainWindow/label_finetunePole_tipMsg.text"})
            QVERIFY2(translated.value(QLatin1String(key)) != english.value(QLatin1String(key)), key);
        QCOMPARE(tips->currentIndex(), page);
    }

    // A good part of all texts changes; the rest are numbers, "(0,0)", names and markup.
    int changed = 0;
    for (auto it = english.begin(); it != english.end(); ++it)
        changed += translated.value(it.key()) != it.value();
    QVERIFY2(changed * 3 > english.size(),
        qPrintable(QStringLiteral("%1 of %2").arg(changed).arg(english.size())));

    // Chinese, Japanese and Korean need a font that has their glyphs, or every label shows boxes.
    const QString help = translated.value(QStringLiteral("MainWindow/menuHelp.title"));
    QVERIFY2(someFontDraws(help), qPrintable(help + QStringLiteral(": no installed font draws it")));

    // The question's standard buttons are translated by the same single translator.
    QCOMPARE(yesButtonText() == QLatin1String("&Yes"), false);

    // The version line is set by the dialog itself, never from the translation.
    QCOMPARE(find<QLabel>("label_version")->text(), QString::fromLatin1(versionText));

    choose("actionEnglish");
    const Texts back = allTexts(window.get());
    QVERIFY2(back == english, qPrintable(diff(back, english)));
    if (tips)
        QCOMPARE(tips->currentIndex(), page);
    QCOMPARE(yesButtonText(), QStringLiteral("&Yes"));
}

void TestLanguageSwitch::hemisphereTipsFollowRegion_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("star");
    QTest::newRow("south") << "radioButton_south" << QStringLiteral("σ Oct");
    QTest::newRow("north") << "radioButton_north"
                           << "Polaris";
}

// The six hemisphere tips are chosen by regionName again after a language change.
void TestLanguageSwitch::hemisphereTipsFollowRegion()
{
    QFETCH(QString, radio);
    QFETCH(QString, star);
    auto *tip = find<QLabel>("label_setting_tipMsg");
    if (!tip)
        QSKIP("the wizard's tip panel is not built in this program yet");
    find<QRadioButton>(qPrintable(radio))->setChecked(true);
    // The English translation mends the source text's spelling; the other languages key on the source.
    const QString source
        = QStringLiteral("Set the parameters to the left to make more stars around %1 visable.").arg(star);
    const QString english = QString(source).replace(QStringLiteral("visable"), QStringLiteral("visible"));
    QCOMPARE(tip->text(), english);

    choose("actionGerman");
    const QString german = QCoreApplication::translate("MainWindow", source.toUtf8().constData());
    QVERIFY(german != source);
    QCOMPARE(tip->text(), german);
    QVERIFY(find<QLabel>("label_confirm_tipMsg")
                ->text()
                .contains(star == QLatin1String("Polaris") ? star : QStringLiteral("σ")));

    choose("actionEnglish");
    QCOMPARE(tip->text(), english);
}

// What the program wrote into the form after set-up (connection text and title, measured
// positions, the template picture) is not put back to the form's placeholders by a switch.
void TestLanguageSwitch::programWrittenStateSurvives()
{
    QTimer modalCloser; // a failed connection reports in a modal box
    connect(&modalCloser, &QTimer::timeout, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    modalCloser.start(50);

    auto *connectAction = find<QAction>("actionConnect");
    connectAction->trigger(); // the simulated camera
    QCOMPARE(connectAction->text(), QStringLiteral("Disconnect"));
    const QString title = window->windowTitle();
    QVERIFY2(title.contains(QLatin1String("ID:")), qPrintable(title));
    auto *axis = find<QLabel>("label_axisPos");
    axis->setText(QStringLiteral("(640.5,480.0)"));
    auto *templ = find<QLabel>("label_templateImg");
    QPixmap picture(40, 30);
    picture.fill(Qt::white);
    templ->setPixmap(picture);

    choose("actionGerman");
    QCOMPARE(connectAction->text(), QStringLiteral("Trennen"));
    QCOMPARE(window->windowTitle(), title);
    QCOMPARE(axis->text(), QStringLiteral("(640.5,480.0)"));
    QCOMPARE(templ->pixmap(Qt::ReturnByValue).size(), picture.size());

    choose("actionEnglish");
    QCOMPARE(connectAction->text(), QStringLiteral("Disconnect"));
    connectAction->trigger();
    QCOMPARE(connectAction->text(), QStringLiteral("Connect"));
}

// Qt's file dialog and standard buttons speak the chosen language too, from Qt's own translations.
void TestLanguageSwitch::qtOwnTextsFollow()
{
    if (!QFile::exists(
            QLibraryInfo::location(QLibraryInfo::TranslationsPath) + QLatin1String("/qtbase_de.qm")))
        QSKIP("Qt's translations (qttranslations5-l10n) are not installed");
    choose("actionGerman");
    QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"), QStringLiteral("Datei&name:"));
    choose("actionEnglish");
    QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"), QStringLiteral("File &name:"));
}

QTEST_MAIN(TestLanguageSwitch)
#include "tst_languageswitch.moc"
