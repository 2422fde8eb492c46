// The translation sources (resources/languages/*.ts) are complete and in step with the code, and
// the compiled translations carried in the program load and hold their language.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message
{
    QString context;
    QString source;
    QString comment;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty for a finished entry
};

struct TsFile
{
    QString language;
    QVector<Message> messages;
    QString error;
};

TsFile readTs(const QString &path)
{
    TsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ts.error = file.errorString();
        return ts;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    bool inMessage = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("TS")) {
                ts.language = xml.attributes().value(QLatin1String("language")).toString();
            } else if (name == QLatin1String("message")) {
                message = Message {context, {}, {}, {}, {}};
                inMessage = true;
            } else if (name == QLatin1String("name") && !inMessage) {
                context = xml.readElementText();
            } else if (name == QLatin1String("source")) {
                message.source = xml.readElementText();
            } else if (name == QLatin1String("comment")) {
                message.comment = xml.readElementText();
            } else if (name == QLatin1String("translation")) {
                message.type = xml.attributes().value(QLatin1String("type")).toString();
                message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            ts.messages.append(message);
            inMessage = false;
        }
    }
    if (xml.hasError())
        ts.error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    return ts;
}

QString keyOf(const Message &m)
{
    return m.context + QLatin1Char('|') + m.source + QLatin1Char('|') + m.comment;
}

QStringList sortedKeys(const TsFile &ts)
{
    QStringList keys;
    for (const Message &m : ts.messages)
        keys.append(keyOf(m));
    keys.sort();
    return keys;
}

QSet<QString> placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%L?\\d+"));
    QSet<QString> found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured());
    return found;
}

QStringList tsFiles()
{
    return QString::fromUtf8(TS_FILES).split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

QString englishFile()
{
    for (const QString &path : tsFiles()) {
        if (path.endsWith(QLatin1String("lan_en_us.ts")))
            return path;
    }
    return {};
}

// "lan_zh_cn.ts" -> "zh_CN"
QString languageOfFile(const QString &path)
{
    const QStringList parts = QFileInfo(path).completeBaseName().split(QLatin1Char('_'));
    return parts.value(1) + QLatin1Char('_') + parts.value(2).toUpper();
}

// Style sheets ("background-color: ...;") and placeholders named after their widget
// ("template_image") come from the forms but are no text for translators.
bool isCodeNotText(const QString &source)
{
    static const QRegularExpression styleSheet(QStringLiteral("^\\s*[a-z-]+\\s*:[^;]*;"));
    static const QRegularExpression widgetName(QStringLiteral("^[A-Za-z]+_[A-Za-z_]+$"));
    return styleSheet.match(source).hasMatch() || widgetName.match(source).hasMatch();
}

QString describeDifference(const QStringList &actual, const QStringList &expected)
{
    const QSet<QString> a(actual.begin(), actual.end());
    const QSet<QString> e(expected.begin(), expected.end());
    QStringList lines;
    for (const QString &k : a - e)
        lines << QStringLiteral("  extra:   ") + k;
    for (const QString &k : e - a)
        lines << QStringLiteral("  missing: ") + k;
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class TestTranslationFiles : public QObject
{
    Q_OBJECT

private slots:
    void everyEntryTranslated_data();
    void everyEntryTranslated();
    void coversEverySourceText();
    void compiledTranslationLoads_data();
    void compiledTranslationLoads();
};

void TestTranslationFiles::everyEntryTranslated_data()
{
    QTest::addColumn<QString>("path");
    QVERIFY2(tsFiles().size() == 10, qPrintable(QString::fromUtf8(TS_FILES)));
    for (const QString &path : tsFiles())
        QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
}

// Parses, names its language, has no unfinished or stale entry nor any style sheet or widget name,
// keeps the placeholders, and holds exactly the entries of the English file.
void TestTranslationFiles::everyEntryTranslated()
{
    QFETCH(QString, path);
    const TsFile ts = readTs(path);
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
    QCOMPARE(ts.language, languageOfFile(path));
    QVERIFY(!ts.messages.isEmpty());

    QStringList problems;
    for (const Message &m : ts.messages) {
        if (!m.type.isEmpty())
            problems << QStringLiteral("%1 entry: %2").arg(m.type, keyOf(m));
        else if (isCodeNotText(m.source))
            problems << QStringLiteral("not for translators (notr in the form): ") + keyOf(m);
        else if (m.translation.isEmpty())
            problems << QStringLiteral("empty translation: ") + keyOf(m);
        else if (placeholders(m.translation) != placeholders(m.source))
            problems << QStringLiteral("placeholders differ: ") + keyOf(m);
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));

    const QStringList keys = sortedKeys(ts);
    QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
    const QStringList english = sortedKeys(readTs(englishFile()));
    QVERIFY2(keys == english, qPrintable(describeDifference(keys, english)));
}

// lupdate over the code must find nothing to add to, or drop from, any translation source.
void TestTranslationFiles::coversEverySourceText()
{
    QTemporaryDir work;
    QVERIFY(work.isValid());
    QStringList copies;
    for (const QString &path : tsFiles()) {
        const QString copy = work.filePath(QFileInfo(path).fileName());
        QVERIFY(QFile::copy(path, copy));
        copies << copy;
    }
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    QStringList args {QStringLiteral("-no-obsolete"), QStringLiteral("-locations"), QStringLiteral("none")};
    args << QString::fromUtf8(TRANSLATED_DIRS).split(QLatin1Char('|'), Qt::SkipEmptyParts);
    args << QStringLiteral("-ts") << copies;
    lupdate.start(QString::fromUtf8(LUPDATE_PATH), args);
    QVERIFY2(lupdate.waitForFinished(60000), qPrintable(lupdate.errorString()));
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
        lupdate.readAll().constData());

    for (int i = 0; i < copies.size(); ++i) {
        const TsFile updated = readTs(copies.at(i));
        const TsFile original = readTs(tsFiles().at(i));
        QVERIFY2(updated.error.isEmpty(), qPrintable(updated.error));
        const QStringList now = sortedKeys(updated);
        const QStringList before = sortedKeys(original);
        QVERIFY2(now == before,
            qPrintable(QFileInfo(copies.at(i)).fileName()
                + QStringLiteral(" is out of date with the code "
                                 "(run the lupdate target):\n")
                + describeDifference(before, now)));
    }
}

void TestTranslationFiles::compiledTranslationLoads_data()
{
    // The Help menu's title in each language: a translation that loads but holds another
    // language's texts (swapped files) fails here.
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QString>("help");
    QTest::newRow("en_us") << ":/languages/lan_en_us.qm"
                           << "Help";
    QTest::newRow("zh_cn") << ":/languages/lan_zh_cn.qm" << QStringLiteral("帮助");
    QTest::newRow("ja_jp") << ":/languages/lan_ja_jp.qm" << QStringLiteral("ヘルプ");
    QTest::newRow("ru_ru") << ":/languages/lan_ru_ru.qm" << QStringLiteral("Справка");
    QTest::newRow("fr_fr") << ":/languages/lan_fr_fr.qm"
                           << "Aide";
    QTest::newRow("de_de") << ":/languages/lan_de_de.qm"
                           << "Hilfe";
    QTest::newRow("es_es") << ":/languages/lan_es_es.qm"
                           << "Ayuda";
    QTest::newRow("pt_pt") << ":/languages/lan_pt_pt.qm"
                           << "Ajuda";
    QTest::newRow("it_it") << ":/languages/lan_it_it.qm"
                           << "Aiuto";
    QTest::newRow("ko_kr") << ":/languages/lan_ko_kr.qm" << QStringLiteral("도움말");
}

void TestTranslationFiles::compiledTranslationLoads()
{
    QFETCH(QString, resource);
    QFETCH(QString, help);
    QTranslator translator;
    QVERIFY2(translator.load(resource), qPrintable(resource));
    QVERIFY(!translator.isEmpty());
    QCOMPARE(translator.translate("MainWindow", "Help"), help);
}

QTEST_GUILESS_MAIN(TestTranslationFiles)
#include "tst_translationfiles.moc"
