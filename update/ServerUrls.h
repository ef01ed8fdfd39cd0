#pragma once

#include <QString>

// Where the library fetches from. $ZTVERSION_SERVER (for example
// "http://127.0.0.1:8765") replaces the scheme and host of every URL it
// builds, for tests and for local mirrors.
namespace ServerUrls {

constexpr const char* kDownloadServer = "http://download.kavio.example";
constexpr const char* kDocumentServer = "http://docs.kavio.example";

// The update descriptor on the download server.
QString descriptorUrl();
// A path on the host a descriptor names ("http://<host><path>").
QString onHost(const QString& host, const QString& path);
// The documentation file: docKind nonzero on the documentation server,
// 0 on the download server.
QString documentUrl(int docKind);

} // namespace ServerUrls
