// WebConsoleTraceSink.cpp: each message as one console.log call on the page's main thread.
#include "platform/web/WebConsoleTraceSink.h"

#include <emscripten.h>
#include <emscripten/threading.h>

#include <cstdlib>
#include <cstring>

namespace Platform
{

namespace
{

// Logs the message, then frees the copy it was given.
EM_JS(void, velvina_console_log, (char* pszMessage), {
    console.log(UTF8ToString(pszMessage));
    _free(pszMessage);
});

void LogOnMainThread(char* pszMessage)
{
    velvina_console_log(pszMessage);
}

} // namespace

void CWebConsoleTraceSink::Write(const char* pszMessage)
{
    // The console ends every message's line itself.
    size_t nLength = std::strlen(pszMessage);
    if (nLength > 0 && pszMessage[nLength - 1] == '\n')
        --nLength;
    if (nLength > 0 && pszMessage[nLength - 1] == '\r')
        --nLength;
    char* pszCopy = strndup(pszMessage, nLength);
    if (!pszCopy)
        return;
    if (emscripten_is_main_runtime_thread())
        velvina_console_log(pszCopy);
    else
        emscripten_async_run_in_main_runtime_thread(EM_FUNC_SIG_VI, &LogOnMainThread, pszCopy);
}

} // namespace Platform
