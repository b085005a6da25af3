// NativeNames.cpp - file names as the system holds them (bytes) carried losslessly in a QString.
// SPDX-License-Identifier: MIT
#include "os/NativeNames.h"

#include <QDir>
#include <QFile>

namespace quil {

namespace {

constexpr char16_t kKeptByte = 0xDC00;  // + the byte, for bytes 0x80..0xFF

bool IsKeptByte(char16_t c)
{
    return c >= kKeptByte + 0x80 && c <= kKeptByte + 0xFF;
}

// The length of the valid UTF-8 sequence at `at`, or 0 when the byte there starts none.
int ValidSequenceLength(const QByteArray& bytes, qsizetype at)
{
    const auto byte = [&bytes](qsizetype i) { return i < bytes.size() ? uchar(bytes[i]) : 0; };
    const uchar lead = byte(at);
    const auto continuation = [&](qsizetype i) { return (byte(i) & 0xC0) == 0x80; };
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return continuation(at + 1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const uchar second = byte(at + 1);
        // No overlong forms and no surrogates: those bytes are kept one by one.
        const bool secondOk = lead == 0xE0 ? second >= 0xA0 : lead == 0xED ? second < 0xA0 : true;
        return secondOk && continuation(at + 1) && continuation(at + 2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const uchar second = byte(at + 1);
        const bool secondOk = lead == 0xF0 ? second >= 0x90 : lead == 0xF4 ? second < 0x90 : true;
        return secondOk && continuation(at + 1) && continuation(at + 2) && continuation(at + 3) ? 4 : 0;
    }
    return 0;
}

}  // namespace

QString NameFromNative(const QByteArray& bytes)
{
    QString name;
    name.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        const int length = ValidSequenceLength(bytes, at);
        if (length == 0) {
            name += QChar(char16_t(kKeptByte + uchar(bytes[at])));
            ++at;
        } else {
            name += QString::fromUtf8(bytes.constData() + at, length);
            at += length;
        }
    }
    return name;
}

QStringList ArgumentsFromNative(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(NameFromNative(argv[i]));
    return arguments;
}

std::optional<uchar> KeptByteAt(QStringView text, qsizetype i)
{
    const char16_t c = text[i].unicode();
    // A kept byte is a lone low surrogate: not the second half of a pair.
    if (!IsKeptByte(c) || (i > 0 && text[i - 1].isHighSurrogate()))
        return std::nullopt;
    return uchar(c - kKeptByte);
}

QByteArray NativePath(const QString& path)
{
    QByteArray bytes;
    bytes.reserve(path.size());
    qsizetype from = 0;  // the start of the run of ordinary text not yet encoded
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (const std::optional<uchar> kept = KeptByteAt(path, i)) {
            bytes += QStringView(path).mid(from, i - from).toUtf8();
            bytes += char(*kept);
            from = i + 1;
        }
    }
    bytes += QStringView(path).mid(from).toUtf8();
    return bytes;
}

QString ShownText(const QString& text)
{
    QString shown = text;
    for (qsizetype i = 0; i < shown.size(); ++i)
        if (KeptByteAt(text, i))
            shown[i] = QChar::ReplacementCharacter;
    return shown;
}

QString AbsolutePath(const QString& path)
{
    return QDir::cleanPath(path.startsWith(u'/') ? path : NameFromNative(QFile::encodeName(QDir::currentPath())) + u'/' + path);
}

std::optional<struct stat> StatPath(const QString& path)
{
    struct stat info {};
    if (::stat(NativePath(path).constData(), &info) != 0)
        return std::nullopt;
    return info;
}

}  // namespace quil
