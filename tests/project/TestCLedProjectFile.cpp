#include "HandMadeProjectFile.h"
#include "ProjectFixtures.h"
#include "project/CLedManager.h"
#include "project/CLedProject.h"

#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

// Lowers the file size limit for one scope, so that writes past it fail as
// on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace

class TestCLedProjectFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void layoutOfANewProject();
    void richProjectRoundTrip();
    void savedBytesStableAfterReload();
    void noPagesRoundTrip();
    void nullTextReadsEmpty();
    void refusedFiles_data();
    void refusedFiles();
    void everyTruncationRefused();
    void cannotOpen();
    void retiredModelNames_data();
    void retiredModelNames();
    void modelIndexFollowsModelList_data();
    void modelIndexFollowsModelList();
    void shortOptionListIsPadded();
    void secondUseCustomRightWins();
    void flickerRoundTrip();
    void failedSaveKeepsPreviousFile();
    void saveIntoMissingFolderFails();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestCLedProjectFile::initTestCase()
{
    // A loaded project takes its panel model position from the model list.
    QVERIFY(CLedManager::instance().load(QStringLiteral(SEGMO_PROGRAM_DIR "/Model.ini")));
}

void TestCLedProjectFile::init()
{
    QVERIFY(m_dir.isValid());
}

void TestCLedProjectFile::layoutOfANewProject()
{
    CLedProject project;
    project.addPage();
    QVERIFY(project.save(path(QStringLiteral("new.kavio"))));

    HandMadeProjectFile expected;
    expected.announcedPages = 1;
    expected.writtenPages = 1;
    QCOMPARE(readAll(path(QStringLiteral("new.kavio"))).toHex(), expected.bytes().toHex());
    QCOMPARE(project.banner, CLedProjectFile::kBanner);
    QCOMPARE(project.version, QStringLiteral("V1.0.0.0"));
}

void TestCLedProjectFile::richProjectRoundTrip()
{
    CLedProject rich;
    fillRichProject(rich);
    rich.isModified = true;
    QVERIFY(rich.save(path(QStringLiteral("rich.kavio"))));
    QVERIFY(rich.isModified); // the caller clears it

    CLedProject loaded;
    QCOMPARE(loaded.load(path(QStringLiteral("rich.kavio"))), 0);
    QVERIFY(loaded.isOpen);
    QCOMPARE(loaded.pages(), rich.pages());
    QCOMPARE(loaded.options().texts(), rich.options().texts());
    for (int kind = 0; kind < CLedProject::kAssignmentKinds; ++kind) {
        const auto k = CLedProject::AssignmentKind(kind);
        QCOMPARE(loaded.assignments(k).items(), rich.assignments(k).items());
    }
    QCOMPARE(loaded.link, rich.link);
    QCOMPARE(loaded.keyRegister, rich.keyRegister);
    QCOMPARE(loaded.alarmRegister, rich.alarmRegister);
    QCOMPARE(loaded.extraRegisters, rich.extraRegisters);
    QCOMPARE(loaded.spareLists, rich.spareLists);
    QCOMPARE(loaded.modelName, rich.modelName);
    QCOMPARE(loaded.portName, rich.portName);
    QCOMPARE(loaded.filePath, rich.filePath);
    QCOMPARE(loaded.currentPage, 2);
    QCOMPARE(loaded.screenSaverBrightness, -3);
    QCOMPARE(loaded.useAlarm, false);
    QCOMPARE(loaded.useCustomRight, false);
    QCOMPARE(loaded.keyVoiceOff, true);
    QCOMPARE(loaded.rightDecimals, 2u);
    QCOMPARE(loaded.useBuzzer, false);
    QCOMPARE(loaded.buildImage(), rich.buildImage());
}

void TestCLedProjectFile::savedBytesStableAfterReload()
{
    CLedProject rich;
    fillRichProject(rich);
    const QString file = path(QStringLiteral("stable.kavio"));
    QVERIFY(rich.save(file));
    const QByteArray first = readAll(file);

    CLedProject loaded;
    QCOMPARE(loaded.load(file), 0);
    loaded.filePath = file;
    rich.filePath = file;
    QVERIFY(rich.save(file));
    const QByteArray resaved = readAll(file);
    QVERIFY(loaded.save(file));
    QCOMPARE(readAll(file), resaved);
    QVERIFY(!first.isEmpty());
}

void TestCLedProjectFile::noPagesRoundTrip()
{
    CLedProject empty;
    QVERIFY(empty.save(path(QStringLiteral("empty.kavio"))));
    QCOMPARE(readAll(path(QStringLiteral("empty.kavio"))), HandMadeProjectFile().bytes());
    CLedProject loaded;
    QCOMPARE(loaded.load(path(QStringLiteral("empty.kavio"))), 0);
    QCOMPARE(loaded.pageCount(), 0);
}

void TestCLedProjectFile::nullTextReadsEmpty()
{
    HandMadeProjectFile file;
    file.portName.reset();
    writeAll(path(QStringLiteral("null.kavio")), file.bytes());
    CLedProject loaded;
    QCOMPARE(loaded.load(path(QStringLiteral("null.kavio"))), 0);
    QCOMPARE(loaded.portName, QString());

    // Written back, the empty text is length 0, never 0xFFFFFFFF.
    QVERIFY(loaded.save(path(QStringLiteral("null.kavio"))));
    HandMadeProjectFile expected;
    expected.portName = QString();
    QCOMPARE(readAll(path(QStringLiteral("null.kavio"))), expected.bytes());
}

void TestCLedProjectFile::refusedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");

    HandMadeProjectFile valid;
    QTest::newRow("empty file") << QByteArray();
    HandMadeProjectFile otherBanner = valid;
    otherBanner.banner = QStringLiteral("Some other program");
    QTest::newRow("other banner") << otherBanner.bytes();
    HandMadeProjectFile otherVersion = valid;
    otherVersion.version = QStringLiteral("V1.0.0.1");
    QTest::newRow("other version") << otherVersion.bytes();

    HandMadeProjectFile tooManyPages = valid;
    tooManyPages.announcedPages = 101;
    tooManyPages.writtenPages = 101;
    QTest::newRow("101 pages") << tooManyPages.bytes();
    HandMadeProjectFile lyingCount = valid;
    lyingCount.announcedPages = 3;
    lyingCount.writtenPages = 1;
    QTest::newRow("announces more pages than it holds") << lyingCount.bytes();

    HandMadeProjectFile hugeList = valid;
    hugeList.panelOptions.clear();
    QByteArray bytes = hugeList.bytes();
    // The option count sits before four spare-list counts and 32 registers of 36 bytes.
    const int countOffset = bytes.size() - 4 * 4 - 32 * 36 - 4;
    bytes[countOffset] = char(0x7F);
    QTest::newRow("list count beyond the file") << bytes;

    QByteArray hugeText = valid.bytes();
    const int modelLength = 4 + CLedProjectFile::kBanner.size() * 2 + 4 + 16 + 8;
    hugeText[modelLength] = char(0x40);
    QTest::newRow("text length beyond the file") << hugeText;

    QByteArray oddText = valid.bytes();
    oddText[modelLength + 3] = char(0x01); // modelName "0" announced as 1 byte
    QTest::newRow("odd text length") << oddText;
}

void TestCLedProjectFile::refusedFiles()
{
    QFETCH(QByteArray, bytes);
    writeAll(path(QStringLiteral("bad.kavio")), bytes);
    CLedProject project(path(QStringLiteral("bad.kavio")));
    QCOMPARE(project.load(path(QStringLiteral("bad.kavio"))), 2);
    QVERIFY(!project.isOpen);
    QCOMPARE(project.pageCount(), 0);
}

void TestCLedProjectFile::everyTruncationRefused()
{
    CLedProject rich;
    fillRichProject(rich);
    QVERIFY(rich.save(path(QStringLiteral("whole.kavio"))));
    const QByteArray whole = readAll(path(QStringLiteral("whole.kavio")));
    for (int size = 0; size < whole.size(); ++size) {
        writeAll(path(QStringLiteral("cut.kavio")), whole.left(size));
        CLedProject project;
        if (project.load(path(QStringLiteral("cut.kavio"))) != 2)
            QFAIL(qPrintable(QStringLiteral("a file cut to %1 bytes was accepted").arg(size)));
        QVERIFY(!project.isOpen);
    }
}

void TestCLedProjectFile::cannotOpen()
{
    CLedProject project;
    QCOMPARE(project.load(path(QStringLiteral("missing.kavio"))), 1);
    QCOMPARE(project.load(m_dir.path()), 1);
    QVERIFY(!project.isOpen);
}

void TestCLedProjectFile::retiredModelNames_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("loaded");
    const QString replacement = QStringLiteral("DX-PANEL-9A");
    QTest::newRow("empty") << "" << replacement;
    QTest::newRow("KAVIO-A") << "KAVIO-A" << replacement;
    QTest::newRow("KAVIO-B") << "KAVIO-B" << replacement;
    QTest::newRow("KAVIO-C") << "KAVIO-C" << replacement;
    QTest::newRow("lower case kept") << "kavio-b"
                                     << "kavio-b";
    QTest::newRow("KAVIO-FX kept") << "KAVIO-FX"
                                   << "KAVIO-FX";
}

void TestCLedProjectFile::retiredModelNames()
{
    QFETCH(QString, stored);
    QFETCH(QString, loaded);
    CLedProject project;
    project.modelName = stored;
    QVERIFY(project.save(path(QStringLiteral("model.kavio"))));
    CLedProject back;
    QCOMPARE(back.load(path(QStringLiteral("model.kavio"))), 0);
    QCOMPARE(back.modelName, loaded);
}

void TestCLedProjectFile::modelIndexFollowsModelList_data()
{
    QTest::addColumn<QString>("modelName");
    QTest::addColumn<quint32>("modelIndex");
    QTest::newRow("first") << "DX-PANEL-9A" << 0u;
    QTest::newRow("second") << "KAVIO-FX" << 1u;
    QTest::newRow("retired name") << "KAVIO-B" << 0u;
    QTest::newRow("not listed") << "OTHER" << 0u;
}

void TestCLedProjectFile::modelIndexFollowsModelList()
{
    QFETCH(QString, modelName);
    QFETCH(quint32, modelIndex);
    CLedProject project;
    project.modelName = modelName;
    project.modelIndex = 3;
    QVERIFY(project.save(path(QStringLiteral("index.kavio"))));
    CLedProject back;
    QCOMPARE(back.load(path(QStringLiteral("index.kavio"))), 0);
    QCOMPARE(back.modelIndex, modelIndex);
}

void TestCLedProjectFile::shortOptionListIsPadded()
{
    HandMadeProjectFile file;
    file.panelOptions = file.panelOptions.mid(0, 15);
    file.panelOptions[0] = QStringLiteral("1");
    writeAll(path(QStringLiteral("short.kavio")), file.bytes());
    CLedProject project;
    QCOMPARE(project.load(path(QStringLiteral("short.kavio"))), 0);
    QCOMPARE(project.options().texts().size(), 21);
    QCOMPARE(project.options().texts().mid(15).join(QLatin1Char('|')), QStringLiteral("|||||"));
    QCOMPARE(project.options().sixDigitMode(), 1);
    for (int kind = 0; kind < CLedProject::kAssignmentKinds; ++kind)
        QCOMPARE(project.assignments(CLedProject::AssignmentKind(kind)).items(),
                 QVector<qint32>(11, -1));
}

void TestCLedProjectFile::secondUseCustomRightWins()
{
    HandMadeProjectFile file;
    file.useCustomRightFirst = true;
    file.useCustomRightSecond = false;
    writeAll(path(QStringLiteral("right.kavio")), file.bytes());
    CLedProject project;
    QCOMPARE(project.load(path(QStringLiteral("right.kavio"))), 0);
    QVERIFY(!project.useCustomRight);
}

void TestCLedProjectFile::flickerRoundTrip()
{
    CLedProject project;
    project.setTLampFlicker(2, true);
    project.setFLampFlicker(3, false);
    QVERIFY(project.save(path(QStringLiteral("flicker.kavio"))));
    CLedProject back;
    QCOMPARE(back.load(path(QStringLiteral("flicker.kavio"))), 0);
    QCOMPARE(back.tLampFlicker(2), 1);
    QCOMPARE(back.fLampFlicker(3), 0);
    QCOMPARE(back.tLampFlicker(3), -1);
    QCOMPARE(back.fLampFlicker(2), -1);
}

void TestCLedProjectFile::failedSaveKeepsPreviousFile()
{
    const QString file = path(QStringLiteral("keep.kavio"));
    CLedProject small;
    small.addPage();
    QVERIFY(small.save(file));
    const QByteArray before = readAll(file);
    const QStringList filesBefore = QDir(m_dir.path()).entryList(QDir::Files);

    CLedProject large;
    for (int i = 0; i < 100; ++i) {
        large.addPage();
        large.setPageDescription(i, QString(200, QLatin1Char('x')));
    }
    {
        const FileSizeLimit diskFull(rlim_t(before.size()) + 100);
        QVERIFY(!large.save(file));
    }
    QCOMPARE(readAll(file), before);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), filesBefore); // no temporary file left
}

void TestCLedProjectFile::saveIntoMissingFolderFails()
{
    CLedProject project;
    QVERIFY(!project.save(path(QStringLiteral("no/such/folder/p.kavio"))));
}

QTEST_GUILESS_MAIN(TestCLedProjectFile)
#include "TestCLedProjectFile.moc"
