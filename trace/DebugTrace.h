// DebugTrace.h: the engine's only diagnostic channel.
// Formats printf-style into a 256-byte buffer, appends "\r\n" and hands the line to the
// installed trace sink (standard error unless the backend installed another).
#pragma once

#if defined(__GNUC__) || defined(__clang__)
#define VELVINA_PRINTF_FORMAT(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define VELVINA_PRINTF_FORMAT(fmt, args)
#endif

// Formatted text longer than 253 characters is cut at 253 so that the text, "\r\n" and the
// terminating zero always fit the buffer.
void DebugTrace(const char* pszFormat, ...) VELVINA_PRINTF_FORMAT(1, 2);
