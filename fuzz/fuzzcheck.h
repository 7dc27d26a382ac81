#pragma once
// What the fuzz targets share. A broken promise stops the run with its reason,
// so that libFuzzer keeps the input and a replay fails; a warning from Qt that
// the target does not expect stops it too.

#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <cstdio>
#include <cstdlib>

#define FUZZ_REQUIRE(condition) ((condition) ? void(0) : fuzzcheck::fail(#condition, __FILE__, __LINE__))

namespace fuzzcheck {

[[noreturn]] inline void fail(const char* what, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: promise broken: %s\n", file, line, what);
    std::abort();
}

inline QRegularExpression& toleratedMessages()
{
    static QRegularExpression pattern;
    return pattern;
}

// Warnings matching pattern (an empty pattern matches none) are what the
// machine or a library says of a broken input, not a fault of ours.
inline void failOnQtWarnings(const QString& tolerated = QString())
{
    toleratedMessages() = QRegularExpression(tolerated);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtDebugMsg || type == QtInfoMsg)
            return;
        if (!toleratedMessages().pattern().isEmpty() && message.contains(toleratedMessages()))
            return;
        std::fprintf(stderr, "Qt says: %s\n", qPrintable(message));
        std::abort();
    });
}

inline QByteArray bytesOf(const unsigned char* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

} // namespace fuzzcheck
