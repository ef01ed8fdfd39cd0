#include "update/HttpClient.h"

#include <QFile>
#include <QSaveFile>
#include <curl/curl.h>
#include <mutex>

namespace HttpClient {

namespace {

constexpr long kConnectTimeoutMs = 5000;
constexpr long kStallSeconds = 15; // below one byte a second for this long ends a transfer

void initialiseOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// One easy handle with the options every request shares.
class Request
{
public:
    explicit Request(const QString& url) : m_url(url.toUtf8())
    {
        initialiseOnce();
        m_curl = curl_easy_init();
        m_headers = curl_slist_append(m_headers, "Cache-Control: no-cache");
        m_headers = curl_slist_append(m_headers, "Pragma: no-cache");
        m_error[0] = '\0';
        curl_easy_setopt(m_curl, CURLOPT_URL, m_url.constData());
        curl_easy_setopt(m_curl, CURLOPT_HTTPHEADER, m_headers);
        curl_easy_setopt(m_curl, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(m_curl, CURLOPT_FAILONERROR, 1L);
        curl_easy_setopt(m_curl, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(m_curl, CURLOPT_CONNECTTIMEOUT_MS, kConnectTimeoutMs);
        curl_easy_setopt(m_curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(m_curl, CURLOPT_LOW_SPEED_TIME, kStallSeconds);
        curl_easy_setopt(m_curl, CURLOPT_ERRORBUFFER, m_error);
        curl_easy_setopt(m_curl, CURLOPT_BUFFERSIZE, long(kChunkSize));
    }
    ~Request()
    {
        curl_easy_cleanup(m_curl);
        curl_slist_free_all(m_headers);
    }
    Request(const Request&) = delete;
    Request& operator=(const Request&) = delete;

    CURL* handle() const { return m_curl; }

    bool perform(QString* error)
    {
        const CURLcode code = curl_easy_perform(m_curl);
        if (code == CURLE_OK)
            return true;
        m_lastCode = code;
        if (error)
            *error = QString::fromLocal8Bit(m_error[0] ? m_error : curl_easy_strerror(code));
        return false;
    }
    CURLcode lastCode() const { return m_lastCode; }

    qint64 announcedLength() const
    {
        curl_off_t length = -1;
        curl_easy_getinfo(m_curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
        return length > 0 ? qint64(length) : 0;
    }

private:
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
    Request request(url);
    curl_easy_setopt(request.handle(), CURLOPT_WRITEFUNCTION, writeToFile);
    curl_easy_setopt(request.handle(), CURLOPT_WRITEDATA, &file);
    if (!request.perform(error)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

qint64 remoteSize(const QString& url, QString* error)
{
    Request request(url);
    curl_easy_setopt(request.handle(), CURLOPT_NOBODY, 1L);
    if (!request.perform(error))
        return 0;
    return request.announcedLength();
}

Outcome stream(const QString& url, const std::function<void(qint64)>& onLength,
               const std::function<bool(const char*, int)>& onChunk,
               const std::function<bool()>& shouldStop, QString* error)
{
    Request request(url);
    StreamContext context{&request, &onLength, &onChunk, &shouldStop};
    curl_easy_setopt(request.handle(), CURLOPT_WRITEFUNCTION, writeChunks);
    curl_easy_setopt(request.handle(), CURLOPT_WRITEDATA, &context);
    curl_easy_setopt(request.handle(), CURLOPT_XFERINFOFUNCTION, checkStop);
    curl_easy_setopt(request.handle(), CURLOPT_XFERINFODATA, &context);
    curl_easy_setopt(request.handle(), CURLOPT_NOPROGRESS, 0L);
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
