#include "update/TransferLoop.h"

#include "update/HttpClient.h"
#include "update/TransferTexts.h"

#include <QElapsedTimer>
#include <QFile>
#include <cmath>

namespace {
constexpr qint64 kStatusIntervalMs = 800;
}

struct TransferLoop::State
{
    QFile file;
    qint64 totalKilobytes = 0;
    qint64 bytesDone = 0;
    QElapsedTimer sinceStart;
    QElapsedTimer sinceStatus;
};

TransferLoop::TransferLoop(QString url, QString localPath, const std::atomic<bool>& stopFlag,
                           Reports reports)
    : m_url(std::move(url)), m_localPath(std::move(localPath)), m_stopFlag(stopFlag),
      m_reports(std::move(reports)), m_state(std::make_unique<State>())
{}

TransferLoop::~TransferLoop() = default;

TransferLoop::End TransferLoop::run()
{
    m_reports.status(TransferTexts::connecting());
    const HttpClient::Outcome outcome = HttpClient::stream(
        m_url, [this](qint64 bytes) { onLength(bytes); },
        [this](const char* data, int size) { return onChunk(data, size); },
        [this] { return m_stopFlag.load(); }, &m_error);
    if (m_fileProblem != End::Completed)
        return m_fileProblem;
    if (outcome == HttpClient::Outcome::Stopped) {
        m_state->file.close();
        return End::Stopped;
    }
    if (outcome == HttpClient::Outcome::Failed) {
        m_state->file.close();
        return End::NetworkError;
    }
    if (!m_fileReady && !prepareFile()) // an empty body still makes an empty file
        return m_fileProblem;
    m_state->file.close();
    m_reports.progress(100);
    return End::Completed;
}

void TransferLoop::onLength(qint64 bytes)
{
    m_state->totalKilobytes = bytes / 1024;
    m_reports.status(TransferTexts::fileSize(m_state->totalKilobytes));
    prepareFile();
}

bool TransferLoop::prepareFile()
{
    m_fileReady = true;
    if (QFile::exists(m_localPath) && !QFile::remove(m_localPath)) {
        m_fileProblem = End::CannotDelete;
        return false;
    }
    m_state->file.setFileName(m_localPath);
    if (!m_state->file.open(QIODevice::WriteOnly)) {
        m_fileProblem = End::CannotCreate;
        return false;
    }
    m_reports.status(TransferTexts::downloading());
    m_reports.progress(0);
    m_state->sinceStart.start();
    m_state->sinceStatus.start();
    return true;
}

bool TransferLoop::onChunk(const char* data, int size)
{
    if (m_fileProblem != End::Completed || m_stopFlag.load())
        return false;
    State& s = *m_state;
    if (s.file.write(data, size) != size) {
        m_fileProblem = End::CannotCreate;
        return false;
    }
    s.bytesDone += size;
    const qint64 kilobytesDone = s.bytesDone / 1024;
    const qint64 seconds = qRound64(double(s.sinceStart.elapsed()) / 1000.0);
    const double speed = seconds != 0 ? double(kilobytesDone) / double(seconds) : 0.0;
    const int percent = s.totalKilobytes != 0 ? int(kilobytesDone * 100 / s.totalKilobytes) : 0;
    m_reports.progress(percent);
    if (s.sinceStatus.elapsed() >= kStatusIntervalMs) {
        s.sinceStatus.restart();
        m_reports.status(TransferTexts::progress(percent, speed));
    }
    return true;
}
