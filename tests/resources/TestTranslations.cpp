#include "resources/TranslationResources.h"

#include <QDirIterator>
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
    void noChineseTextBypassesTheCatalogue();
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

// A Chinese text that reaches the user without tr() would stay Chinese in the
// English interface. The few that must (the library-missing boxes, shown
// before any catalogue can be trusted; the bilingual language message; the
// page limit, which has always been Chinese only) are listed here.
void TestTranslations::noChineseTextBypassesTheCatalogue()
{
    const QStringList allowed{
        QStringLiteral("[%1] 文件丢失，请去Morvane官网重新下载安装软件！"),
        QStringLiteral("警告"),
        QStringLiteral("设置完毕后请重新打开软件生效！\\n\\n"),
        QStringLiteral("页面数量不能超过 %1 个！"),
    };
    // A "//" inside a text such as "http://" follows no blank, so it stays.
    const QRegularExpression comment(QStringLiteral("(^|\\s)(//[^\\n]*|/\\*.*?\\*/)"),
                                     QRegularExpression::DotMatchesEverythingOption |
                                         QRegularExpression::MultilineOption);
    const QRegularExpression literal(QStringLiteral("\"((?:[^\"\\\\\\n]|\\\\.)*)\""));
    const QRegularExpression chinese(QStringLiteral("[\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    // A literal continuing the one before it belongs to the same call.
    const QRegularExpression translated(
        QStringLiteral("((\\btr|QT_TR_NOOP|QT_TRANSLATE_NOOP\\(\\s*\"\\w+\",|translate\\(\"\\w+\",)"
                       "\\s*\\(?|\")\\s*$"));
    QStringList bypassing;
    for (const char* folder : {"app", "project", "plc", "serial", "editor"}) {
        QDirIterator files(QStringLiteral(SEGMO_SOURCE_DIR "/") + QLatin1String(folder),
                           {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files);
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString source =
                QString::fromUtf8(file.readAll()).replace(comment, QStringLiteral("\\1"));
            QRegularExpressionMatchIterator it = literal.globalMatch(source);
            while (it.hasNext()) {
                const QRegularExpressionMatch m = it.next();
                const QString text = m.captured(1);
                if (!text.contains(chinese) || allowed.contains(text))
                    continue;
                if (!translated
                         .match(source.mid(qMax(0, m.capturedStart() - 60),
                                           qMin(60, m.capturedStart())))
                         .hasMatch())
                    bypassing.append(QFileInfo(file.fileName()).fileName() + QStringLiteral(": ") +
                                     text);
            }
        }
    }
    QVERIFY2(bypassing.isEmpty(), qPrintable(bypassing.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "TestTranslations.moc"
