// HeadlessRunner.cpp: sets up the headless machine, turns the script into a timeline of
// messages and actions on the virtual clock, runs the shell, and writes shots and journal.
#include "apps/headless/HeadlessRunner.h"

#include "apps/common/PngWriter.h"
#include "apps/headless/RunnerScript.h"
#include "core/Core.h"
#include "core/CoreSound.h"
#include "platform/Backend.h"
#include "platform/ScreenFormat.h"
#include "platform/headless/HeadlessAudioDevice.h"
#include "platform/headless/HeadlessClock.h"
#include "platform/headless/HeadlessDisplay.h"
#include "platform/headless/HeadlessSingleInstance.h"
#include "platform/headless/HeadlessWindow.h"
#include "trace/DebugTrace.h"
#include "trace/TraceSink.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <mutex>
#include <sstream>

#ifndef VELVINA_DEFAULT_ROOT
#define VELVINA_DEFAULT_ROOT "."
#endif

namespace Runner
{

namespace
{

struct FileCloser
{
    void operator()(FILE* pFile) const { std::fclose(pFile); }
};
typedef std::unique_ptr<FILE, FileCloser> FilePtr;

// Sends every trace message to a file, one whole message per write.
class CFileTraceSink : public Trace::ITraceSink
{
public:
    explicit CFileTraceSink(FILE* pFile) : m_pFile(pFile) {}
    void Write(const char* pszMessage) override
    {
        std::fputs(pszMessage, m_pFile);
        std::fflush(m_pFile);
    }

private:
    FILE* m_pFile;
};

Platform::DisplayPixelFormat FormatByName(const std::string& strFormat)
{
    if (strFormat == "555")
        return Platform::kFormat555;
    if (strFormat == "other")
        return Platform::kFormatOther;
    return Platform::kFormat565;
}

BOOL ReadScript(const std::string& strScript, std::string& strText)
{
    if (strScript == "-")
    {
        strText.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        return TRUE;
    }
    std::ifstream file(strScript, std::ios::binary);
    if (!file)
        return FALSE;
    std::ostringstream text;
    text << file.rdbuf();
    strText = text.str();
    return TRUE;
}

class CRunner : private Platform::IGameObserver
{
public:
    CRunner(const Options& options, FILE* pJournal)
        : m_Options(options), m_pJournal(pJournal), m_Window(m_Clock),
          m_Display(FormatByName(options.strFormat)), m_Audio(m_Clock)
    {
    }

    // Sets up the virtual audio device as --audio and --audio-out ask; FALSE when the capture
    // file cannot be written.
    BOOL SetUpAudio()
    {
        m_Audio.SetOpenFails(m_Options.audio == AudioMode::Fail);
        return m_Options.strAudioOut.empty() || m_Audio.SetCaptureFile(m_Options.strAudioOut);
    }

    // Lays the script out on the game's timeline; the close request follows its last line.
    void Schedule(const std::vector<Command>& commands)
    {
        DWORD dwTime = 0;
        WPARAM wButtons = 0;
        // Nothing at or after --max-ms runs: the run stops at that moment.
        for (size_t i = 0; i < commands.size() && dwTime < m_Options.dwMaxMs; ++i)
            dwTime = ScheduleCommand(commands[i], dwTime, wButtons);
        if (!m_Options.strScript.empty() && dwTime < m_Options.dwMaxMs)
            m_Window.ScheduleMessage(dwTime, WM_CLOSE, 0, 0);
        m_Window.ScheduleAction(m_Options.dwMaxMs,
                                [this]()
                                {
                                    m_bTimedOut = TRUE;
                                    m_Window.PostMessage(m_Window.GetHwnd(), WM_CLOSE, 0, 0);
                                });
    }

    // Runs the game on the headless bundle; pTraceSink receives the trace (null: stderr).
    int Run(Trace::ITraceSink* pTraceSink)
    {
        Core::EnableSoundEngine(m_Options.audio != AudioMode::None);
        int nExitCode = 0;
        {
            Platform::CScopedBackend scope(
                Platform::MakeBackend(m_Window, m_Display, m_Lock, &m_Audio, &m_Clock, pTraceSink, this));
            nExitCode = Core::AppMain(SW_SHOWDEFAULT);
        }
        Journal("quit %d", nExitCode);
        if (m_bShotFailed)
            return kExitIoError;
        return m_bTimedOut ? kExitTimedOut : nExitCode;
    }

private:
    void OnSceneChange(int nState, const char* pszClassName) override
    {
        Journal("scene %d %s", nState, pszClassName);
    }

    // Sound lines: play and stop come from the main thread, the end of a stream from its
    // worker, so Journal serialises its writes.
    void OnSoundPlay(const std::string& strFileName, BOOL bLoop) override
    {
        Journal("sound play %s %s", strFileName.c_str(), bLoop ? "loop" : "once");
    }
    void OnSoundStop(const std::string& strFileName) override
    {
        Journal("sound stop %s", strFileName.c_str());
    }
    void OnSoundEnd(const std::string& strFileName) override { Journal("sound end %s", strFileName.c_str()); }

    void Journal(const char* pszFormat, ...) VELVINA_PRINTF_FORMAT(2, 3)
    {
        if (!m_pJournal)
            return;
        std::lock_guard<std::mutex> lock(m_JournalMutex);
        std::fprintf(m_pJournal, "%u ", static_cast<unsigned>(m_Clock.TimeGetTime()));
        va_list args;
        va_start(args, pszFormat);
        std::vfprintf(m_pJournal, pszFormat, args);
        va_end(args);
        std::fputc('\n', m_pJournal);
        std::fflush(m_pJournal);
    }

    void Mouse(DWORD dwTime, UINT nMessage, WPARAM wButtons, int nX, int nY)
    {
        m_Window.ScheduleMessage(dwTime, nMessage, wButtons, MAKELPARAM(nX, nY));
    }

    // Schedules one command at dwTime; returns the time the next one starts.
    DWORD ScheduleCommand(const Command& command, DWORD dwTime, WPARAM& wButtons)
    {
        const WPARAM wButton = command.bRightButton ? MK_RBUTTON : MK_LBUTTON;
        switch (command.kind)
        {
        case CommandKind::Wait:
            // Ends at --max-ms at the latest, so the timeline never wraps.
            return dwTime + std::min(command.dwValue, m_Options.dwMaxMs - dwTime);
        case CommandKind::Move:
            Mouse(dwTime, WM_MOUSEMOVE, wButtons, command.nX, command.nY);
            break;
        case CommandKind::Press:
            wButtons |= wButton;
            Mouse(dwTime, command.bRightButton ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, wButtons, command.nX,
                  command.nY);
            break;
        case CommandKind::Release:
            wButtons &= ~wButton;
            Mouse(dwTime, command.bRightButton ? WM_RBUTTONUP : WM_LBUTTONUP, wButtons, command.nX,
                  command.nY);
            break;
        case CommandKind::Click:
            Mouse(dwTime, WM_MOUSEMOVE, wButtons, command.nX, command.nY);
            Mouse(dwTime, WM_LBUTTONDOWN, wButtons | MK_LBUTTON, command.nX, command.nY);
            Mouse(dwTime, WM_LBUTTONUP, wButtons & ~static_cast<WPARAM>(MK_LBUTTON), command.nX, command.nY);
            break;
        case CommandKind::Key:
            m_Window.ScheduleMessage(dwTime, WM_KEYDOWN, command.dwValue, 1);
            break;
        case CommandKind::Shot:
            m_Window.ScheduleAction(dwTime, [this, strFile = command.strFile]() { TakeShot(strFile); });
            break;
        case CommandKind::Close:
            m_Window.ScheduleMessage(dwTime, WM_CLOSE, 0, 0);
            break;
        }
        return dwTime;
    }

    // The primary surface as the player sees it, as an RGB PNG (black before the first frame).
    void TakeShot(const std::string& strFile)
    {
        const Platform::CHeadlessSurface* pPrimary = m_Display.Primary();
        const std::vector<uint8_t> rgb =
            AppCommon::FrameToRgb(pPrimary ? pPrimary->Pixels() : nullptr,
                                  pPrimary ? pPrimary->PitchPixels() : 0, FormatByName(m_Options.strFormat));
        if (!AppCommon::WritePngRgb(strFile, Platform::kScreenWidth, Platform::kScreenHeight, rgb))
        {
            std::fprintf(stderr, "velvina-headless: cannot write shot '%s'\n", strFile.c_str());
            m_bShotFailed = TRUE;
        }
    }

    const Options& m_Options;
    FILE* m_pJournal;
    Platform::CVirtualClock m_Clock;
    Platform::CHeadlessWindow m_Window;
    Platform::CHeadlessDisplay m_Display;
    Platform::CHeadlessSingleInstance m_Lock;
    Platform::CHeadlessAudio m_Audio;
    std::mutex m_JournalMutex;
    BOOL m_bTimedOut = FALSE;
    BOOL m_bShotFailed = FALSE;
};

FilePtr OpenOutput(const std::string& strPath)
{
    return FilePtr(strPath.empty() ? nullptr : std::fopen(strPath.c_str(), "wb"));
}

} // namespace

int RunHeadless(const std::vector<std::string>& args, void (*pfnRegisterScenes)())
{
    Options options;
    std::string strError;
    std::vector<Command> commands;
    std::string strText;
    if (!ParseOptions(args, options, strError))
    {
        std::fprintf(stderr, "velvina-headless: %s\n", strError.c_str());
        return kExitUsage;
    }
    if (!options.strScript.empty() && !ReadScript(options.strScript, strText))
    {
        std::fprintf(stderr, "velvina-headless: cannot read script '%s'\n", options.strScript.c_str());
        return kExitUsage;
    }
    if (!ParseScript(strText, commands, strError))
    {
        std::fprintf(stderr, "velvina-headless: %s\n", strError.c_str());
        return kExitUsage;
    }

    // Output files are named relative to where the runner was started, content to the root.
    FilePtr pJournal = OpenOutput(options.strJournal);
    FilePtr pTrace = OpenOutput(options.strTrace);
    if ((!options.strJournal.empty() && !pJournal) || (!options.strTrace.empty() && !pTrace))
    {
        std::fprintf(stderr, "velvina-headless: cannot open the journal or trace file\n");
        return kExitIoError;
    }
    std::error_code error;
    const std::filesystem::path startDir = std::filesystem::current_path(error);
    for (Command& command : commands)
        if (command.kind == CommandKind::Shot)
            command.strFile = (startDir / command.strFile).string();
    if (!options.strAudioOut.empty())
        options.strAudioOut = (startDir / options.strAudioOut).string();
    const std::string strRoot = options.strRoot.empty() ? std::string(VELVINA_DEFAULT_ROOT) : options.strRoot;
    std::filesystem::current_path(strRoot, error);
    if (error)
    {
        std::fprintf(stderr, "velvina-headless: bad value '%s' for --root\n", strRoot.c_str());
        return kExitUsage;
    }

    std::unique_ptr<CFileTraceSink> pTraceSink(pTrace ? new CFileTraceSink(pTrace.get()) : nullptr);
    pfnRegisterScenes();
    int nStatus = 0;
    {
        CRunner runner(options, pJournal.get());
        if (!runner.SetUpAudio())
        {
            std::fprintf(stderr, "velvina-headless: cannot open the audio output file '%s'\n",
                         options.strAudioOut.c_str());
            nStatus = kExitIoError;
        }
        else
        {
            runner.Schedule(commands);
            nStatus = runner.Run(pTraceSink.get());
        }
    }
    std::filesystem::current_path(startDir, error);
    return nStatus;
}

} // namespace Runner
