#include "update/UpdateCheck.h"

#include "update/CDlgUpdate.h"
#include "update/HostEnvironment.h"
#include "update/HttpClient.h"
#include "update/IniText.h"
#include "update/ServerUrls.h"
#include "update/VersionTexts.h"
#include "update/WorkFolder.h"

#include <QDir>
#include <QFile>
#include <QTextStream>
#include <QThread>

namespace UpdateCheck {

namespace {

const QString kSection = QStringLiteral("update");

QString descriptorPath()
{
    return WorkFolder::path() + QStringLiteral("/ztcfg.ini");
}

// Reads the descriptor; false when "url", "ver" or "type" is missing.
bool readDescriptor(const QString& path, DescriptorTexts& texts, int& offered)
{
    auto value = [&path](const char* key) {
        return readIniValue(path, kSection, QString::fromLatin1(key));
    };
    const QString type = value("type");
    texts.host = value("url");
    texts.dir = value("dir");
    texts.file = value("file");
    texts.remoteVersion = value("ver");
    texts.displayVersion = value("ver2");
    texts.title = value("title");
    texts.notesKey = value("notes");
    texts.sha256 = value("sha256");
    texts.docVersion = readIniValue(path, QStringLiteral("document"), QStringLiteral("version"));
    offered = type.toInt();
    return !texts.host.isEmpty() && !texts.remoteVersion.isEmpty() && !type.isEmpty();
}

// Fetches the release notes; on failure the earlier notes stay.
void fetchReleaseNotes(DescriptorTexts& texts, bool chinese)
{
    QDir().mkpath(WorkFolder::path());
    const QString name = chinese ? texts.notesKey : QStringLiteral("notes_en.txt");
    const QString url =
        ServerUrls::onHost(texts.host, QLatin1Char('/') + texts.dir + QLatin1Char('/') + name);
    const QString local = WorkFolder::path() + (chinese ? QStringLiteral("/notes_cn.txt")
                                                        : QStringLiteral("/notes_en.txt"));
    QFile::remove(local);
    if (name.isEmpty() || !HttpClient::downloadToFile(url, local, nullptr))
        return;
    QThread::msleep(10);
    texts.releaseNotes.clear();
    QFile file(local);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream in(&file);
    in.setCodec("UTF-8");
    while (!in.atEnd())
        texts.releaseNotes.append(in.readLine());
}

} // namespace

int compare(int offered, const QString& remoteVersion, bool* newer)
{
    *newer = false;
    if (offered == 0)
        return US_NOT_OFFERED;
    const quint64 installed = VersionTexts::versionNumber(VersionTexts::kFullVersion);
    const quint64 remote = VersionTexts::versionNumber(remoteVersion.toLatin1());
    if (remote == 0)
        return US_NEWER;
    if (remote <= installed)
        return US_UP_TO_DATE;
    *newer = true;
    return US_NEWER;
}

void showDialog()
{
    HostEnvironment::runOnGuiThread([] {
        CDlgUpdate dialog;
        dialog.exec();
    });
}

void run()
{
    UpdateState& state = updateState();
    const QString folder = WorkFolder::path();
    QDir().mkpath(folder);
    QFile::remove(folder + QStringLiteral("/config.txt"));
    QFile::remove(descriptorPath());
    WorkFolder::empty(folder);

    if (!HttpClient::downloadToFile(ServerUrls::descriptorUrl(), descriptorPath(), nullptr)) {
        state.status.store(US_NET_ERROR);
        return;
    }
    DescriptorTexts texts = state.texts();
    int offered = 0;
    if (!readDescriptor(descriptorPath(), texts, offered)) {
        state.status.store(US_NET_ERROR);
        return;
    }
    state.offered.store(offered);
    if (offered != 0)
        fetchReleaseNotes(texts, state.chinese.load() != 0);
    state.setTexts(texts);
    WorkFolder::remove(folder);

    bool newer = false;
    state.status.store(compare(offered, texts.remoteVersion, &newer));
    if (!newer)
        return;
    if (state.autoCheck.load() != 0) {
        showDialog();
    } else if (state.showAlways.load() != 0) {
        showDialog();
        state.showAlways.store(0);
    }
}

} // namespace UpdateCheck
