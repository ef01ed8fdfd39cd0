#include "update/HttpClient.h"

#include "update/CurlLibrary.h"

#include <QFile>
#include <QSaveFile>

namespace HttpClient {

namespace {

constexpr long kConnectTimeoutMs = 5000;
constexpr long kStallSeconds = 15; // below one byte a second for this long ends a transfer

// One easy handle with the options every request shares.
class Request
{
public:
    Request(const CurlLibrary& curl, const QString& url) : m_lib(curl), m_url(url.toUtf8())
    {
        m_curl = m_lib.easyInit();
        m_headers = m_lib.slistAppend(m_headers, "Cache-Control: no-cache");
        m_headers = m_lib.slistAppend(m_headers, "Pragma: no-cache");
        m_error[0] = '\0';
        setOption(CURLOPT_URL, m_url.constData());
        setOption(CURLOPT_HTTPHEADER, m_headers);
        setOption(CURLOPT_FOLLOWLOCATION, 1L);
        setOption(CURLOPT_FAILONERROR, 1L);
        setOption(CURLOPT_NOSIGNAL, 1L);
        setOption(CURLOPT_CONNECTTIMEOUT_MS, kConnectTimeoutMs);
        setOption(CURLOPT_LOW_SPEED_LIMIT, 1L);
        setOption(CURLOPT_LOW_SPEED_TIME, kStallSeconds);
        setOption(CURLOPT_ERRORBUFFER, static_cast<char*>(m_error));
        setOption(CURLOPT_BUFFERSIZE, long(kChunkSize));
    }
    ~Request()
    {
        m_lib.easyCleanup(m_curl);
        m_lib.slistFreeAll(m_headers);
    }
    Request(const Request&) = delete;
    Request& operator=(const Request&) = delete;

    // Values must have the type libcurl reads for the option (long, pointer).
    template <typename Value> void setOption(CURLoption option, Value value)
    {
        m_lib.easySetopt(m_curl, option, value);
    }

    bool perform(QString* error)
    {
        const CURLcode code = m_lib.easyPerform(m_curl);
        if (code == CURLE_OK)
            return true;
        m_lastCode = code;
        if (error)
            *error = QString::fromLocal8Bit(m_error[0] ? m_error : m_lib.easyStrerror(code));
        return false;
    }
    CURLcode lastCode() const { return m_lastCode; }

    qint64 announcedLength() const
    {
        curl_off_t length = -1;
        m_lib.easyGetinfo(m_curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
        return length > 0 ? qint64(length) : 0;
    }

private:
    const CurlLibrary& m_lib;
    QByteArray m_url;
    CURL* m_curl = nullptr;
    curl_slist* m_headers = nullptr;
    char m_error[CURL_ERROR_SIZE];
    CURLcode m_lastCode = CURLE_OK;
};

struct StreamContext
{
    const Request* request;
    const std::function<void(qint64)>* onLength;
    const std::function<bool(const char*, int)>* onChunk;
    const std::function<bool()>* shouldStop;
    bool lengthReported = false;
    bool stopped = false;
};

// libcurl asks this about once a second even while nothing arrives.
int checkStop(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    auto* context = static_cast<StreamContext*>(user);
    if ((*context->shouldStop)()) {
        context->stopped = true;
        return 1;
    }
    return 0;
}

size_t writeChunks(char* data, size_t size, size_t count, void* user)
{
    auto* context = static_cast<StreamContext*>(user);
    const size_t total = size * count;
    if (!context->lengthReported) {
        context->lengthReported = true;
        (*context->onLength)(context->request->announcedLength());
    }
    for (size_t done = 0; done < total;) {
        const int piece = int(qMin<size_t>(kChunkSize, total - done));
        if (!(*context->onChunk)(data + done, piece)) {
            context->stopped = true;
            return 0; // makes libcurl abort the transfer
        }
        done += size_t(piece);
    }
    return total;
}

size_t writeToFile(char* data, size_t size, size_t count, void* user)
{
    auto* file = static_cast<QSaveFile*>(user);
    return size_t(file->write(data, qint64(size * count)));
}

} // namespace

bool downloadToFile(const QString& url, const QString& path, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const CurlLibrary* curl = CurlLibrary::instance(error);
    if (!curl)
        return false;
    Request request(*curl, url);
    request.setOption(CURLOPT_WRITEFUNCTION, writeToFile);
    request.setOption(CURLOPT_WRITEDATA, static_cast<void*>(&file));
    if (!request.perform(error)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

qint64 remoteSize(const QString& url, QString* error)
{
    const CurlLibrary* curl = CurlLibrary::instance(error);
    if (!curl)
        return 0;
    Request request(*curl, url);
    request.setOption(CURLOPT_NOBODY, 1L);
    if (!request.perform(error))
        return 0;
    return request.announcedLength();
}

Outcome stream(const QString& url, const std::function<void(qint64)>& onLength,
               const std::function<bool(const char*, int)>& onChunk,
               const std::function<bool()>& shouldStop, QString* error)
{
    const CurlLibrary* curl = CurlLibrary::instance(error);
    if (!curl)
        return Outcome::Failed;
    Request request(*curl, url);
    StreamContext context{&request, &onLength, &onChunk, &shouldStop};
    request.setOption(CURLOPT_WRITEFUNCTION, writeChunks);
    request.setOption(CURLOPT_WRITEDATA, static_cast<void*>(&context));
    request.setOption(CURLOPT_XFERINFOFUNCTION, checkStop);
    request.setOption(CURLOPT_XFERINFODATA, static_cast<void*>(&context));
    request.setOption(CURLOPT_NOPROGRESS, 0L);
    const bool ok = request.perform(error);
    if (context.stopped)
        return Outcome::Stopped;
    if (!ok)
        return Outcome::Failed;
    if (!context.lengthReported)
        onLength(request.announcedLength());
    return Outcome::Completed;
}

} // namespace HttpClient
