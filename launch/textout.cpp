#include "textout.h"

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace launch {

#ifndef Q_OS_WIN

void showText(Channel channel, const QString &text, const QString &)
{
    std::fputs(text.toLocal8Bit().constData(), channel == Channel::Output ? stdout : stderr);
}

#else

namespace {

// The standard handle, or that of the console the program was started from;
// null where there is neither.
HANDLE standardHandle(Channel channel)
{
    const DWORD which = channel == Channel::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
    HANDLE handle = GetStdHandle(which);
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE)
        return handle;
    if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED)
        return nullptr; // no console to attach to; ACCESS_DENIED: attached already
    handle = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
    return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
}

} // namespace

void showText(Channel channel, const QString &text, const QString &title)
{
    HANDLE handle = standardHandle(channel);
    DWORD mode = 0, written = 0;
    if (handle && GetConsoleMode(handle, &mode)) {
        // A console takes the text as it is, in any code page.
        QString console = text;
        console.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        WriteConsoleW(handle, console.utf16(), DWORD(console.size()), &written, nullptr);
    } else if (handle) {
        // A file or a pipe: UTF-8, as on Linux.
        const QByteArray bytes = text.toUtf8();
        WriteFile(handle, bytes.constData(), DWORD(bytes.size()), &written, nullptr);
    } else if (channel != Channel::Notice) {
        MessageBoxW(nullptr, reinterpret_cast<LPCWSTR>(text.utf16()),
                    reinterpret_cast<LPCWSTR>(title.utf16()),
                    MB_OK | (channel == Channel::Error ? MB_ICONERROR : MB_ICONINFORMATION));
    }
}

#endif

} // namespace launch
