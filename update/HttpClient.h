#pragma once

#include <QString>
#include <functional>

// HTTP through libcurl: bypasses caches, follows redirects, treats error
// statuses as failures, checks certificates on https, and gives up on a dead
// connection within seconds (connect and stall time-outs).
namespace HttpClient {

constexpr int kChunkSize = 1024;

enum class Outcome
{
    Completed,
    Stopped,
    Failed
};

// Downloads a whole file; false with libcurl's error text on failure.
bool downloadToFile(const QString& url, const QString& path, QString* error);

// The size the server announces for the URL; 0 on any failure.
qint64 remoteSize(const QString& url, QString* error);

// Streams the body: onLength once with the announced length (0 unknown)
// before the first chunk, then chunks of at most 1024 bytes. A chunk
// handler returning false stops the transfer (Stopped); so does shouldStop,
// which is also asked while no data comes.
Outcome stream(const QString& url, const std::function<void(qint64)>& onLength,
               const std::function<bool(const char*, int)>& onChunk,
               const std::function<bool()>& shouldStop, QString* error);

} // namespace HttpClient
