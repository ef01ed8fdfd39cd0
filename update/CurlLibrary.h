#pragma once

#include <QString>
#include <curl/curl.h>

// libcurl, loaded on the first request instead of with ZtVersion.dll: a host
// loads the library at its start, and libcurl brings the TLS, LDAP and
// Kerberos libraries with it; the requests run on worker threads, which pay
// for that load instead of the host's start.
struct CurlLibrary
{
    CURLcode (*globalInit)(long flags) = nullptr;
    CURL* (*easyInit)() = nullptr;
    CURLcode (*easySetopt)(CURL* handle, CURLoption option, ...) = nullptr;
    CURLcode (*easyPerform)(CURL* handle) = nullptr;
    void (*easyCleanup)(CURL* handle) = nullptr;
    CURLcode (*easyGetinfo)(CURL* handle, CURLINFO info, ...) = nullptr;
    const char* (*easyStrerror)(CURLcode code) = nullptr;
    curl_slist* (*slistAppend)(curl_slist* list, const char* text) = nullptr;
    void (*slistFreeAll)(curl_slist* list) = nullptr;

    // The loaded and initialised library, or nullptr with the reason; safe
    // on any thread, loaded once.
    static const CurlLibrary* instance(QString* error);
};
