#include "resources/TranslationResources.h"

#include <QDomDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {

const QString kEnglish = QStringLiteral(SEGMO_SOURCE_DIR "/resources/translations/lang_en.ts");
const QString kChinese = QStringLiteral(SEGMO_SOURCE_DIR "/resources/translations/lang_ch.ts");

struct Message
{
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

QList<Message> readCatalogue(const QString& path)
{
    QFile file(path);
    QDomDocument document;
    if (!file.open(QIODevice::ReadOnly) || !document.setContent(&file))
        return {};
    QList<Message> messages;
    const QDomNodeList contexts = document.elementsByTagName(QStringLiteral("context"));
    for (int c = 0; c < contexts.size(); ++c) {
        const QDomElement context = contexts.at(c).toElement();
        const QString name = context.firstChildElement(QStringLiteral("name")).text();
        for (QDomElement m = context.firstChildElement(QStringLiteral("message")); !m.isNull();
             m = m.nextSiblingElement(QStringLiteral("message"))) {
            const QDomElement translation = m.firstChildElement(QStringLiteral("translation"));
            const QString type = translation.attribute(QStringLiteral("type"));
            if (type == QLatin1String("obsolete") || type == QLatin1String("vanished"))
                continue;
            messages.append({name, m.firstChildElement(QStringLiteral("source")).text(),
                             translation.text(), type.isEmpty()});
        }
    }
    return messages;
}

QStringList placeholders(const QString& text)
{
    QStringList found;
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("%\\d")).globalMatch(text);
    while (it.hasNext())
        found.append(it.next().captured());
    found.sort();
    return found;
}

QSet<QString> keys(const QList<Message>& messages)
{
    QSet<QString> set;
    for (const Message& m : messages)
        set.insert(m.context + QLatin1Char('|') + m.source);
    return set;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void everyEnglishTextTranslated();
    void catalogueCoversTheSources();
    void builtInCatalogueLoads();
};

void TestTranslations::everyEnglishTextTranslated()
{
    const QList<Message> messages = readCatalogue(kEnglish);
    QVERIFY(!messages.isEmpty());
    for (const Message& m : messages) {
        const QString where = m.context + QStringLiteral(": ") + m.source;
        QVERIFY2(m.finished && !m.translation.isEmpty(), qPrintable(where));
        QVERIFY2(placeholders(m.translation) == placeholders(m.source), qPrintable(where));
    }
}

void TestTranslations::catalogueCoversTheSources()
{
    QTemporaryDir dir;
    const QString scanned = dir.filePath(QStringLiteral("scan.ts"));
    QStringList arguments{QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                          QStringLiteral("none")};
    for (const char* folder : {"app", "project", "plc", "serial", "editor", "update"}) {
        const QString path = QStringLiteral(SEGMO_SOURCE_DIR "/") + QLatin1String(folder);
        if (QFileInfo::exists(path))
            arguments.append(path);
    }
    arguments << QStringLiteral("-ts") << scanned;
    QProcess lupdate;
    lupdate.start(QStringLiteral(SEGMO_LUPDATE), arguments);
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);

    const QSet<QString> inSources = keys(readCatalogue(scanned));
    QVERIFY(!inSources.isEmpty());
    for (const QString& catalogue : {kEnglish, kChinese}) {
        const QSet<QString> missing = inSources - keys(readCatalogue(catalogue));
        QVERIFY2(missing.isEmpty(), qPrintable(catalogue + QStringLiteral(" lacks: ") +
                                               missing.values().join(QStringLiteral("; "))));
    }
}

void TestTranslations::builtInCatalogueLoads()
{
    initTranslationResources();
    QTranslator english;
    QVERIFY(english.load(QStringLiteral(":/language/lang_en")));
    QCOMPARE(english.translate("DownloadJob", "下载完成..."),
             QStringLiteral("Download complete..."));
    QTranslator chinese;
    QVERIFY(chinese.load(QStringLiteral(":/language/lang_ch")));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "TestTranslations.moc"
