// GameTestSupport.cpp: spawning the runner, reading its journal and shots, and preparing
// content roots and reference pictures.
#include "tests/game/GameTestSupport.h"

#include "game/layout/SignInLayout.h"
#include "game/layout/SplashLayout.h"
#include "game/layout/WallLayout.h"

#include <png.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace GameTest
{

std::string BuiltContentRoot()
{
    return VELVINA_CONTENT_ROOT;
}

CScratchDir::CScratchDir()
{
    std::string strTemplate = (fs::temp_directory_path() / "velvina-game-XXXXXX").string();
    if (!mkdtemp(strTemplate.data()))
        std::abort();
    m_strPath = strTemplate;
}

CScratchDir::~CScratchDir()
{
    std::error_code error;
    fs::remove_all(m_strPath, error);
}

std::string MakeContentRoot(const CScratchDir& dir, const std::vector<std::string>& missing,
                            const std::map<std::string, std::string>& replaced)
{
    const fs::path builtContent = fs::path(BuiltContentRoot()) / "content";
    const fs::path root = fs::path(dir.Path()) / "root";
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(builtContent))
    {
        const std::string strRelative = entry.path().lexically_relative(builtContent).generic_string();
        const fs::path target = root / "content" / strRelative;
        if (entry.is_directory())
        {
            fs::create_directories(target);
            continue;
        }
        bool bMissing = false;
        for (const std::string& strMissing : missing)
            bMissing = bMissing || strMissing == strRelative;
        if (bMissing)
            continue;
        const auto itReplaced = replaced.find(strRelative);
        const fs::path source =
            itReplaced == replaced.end() ? entry.path() : builtContent / itReplaced->second;
        fs::create_directories(target.parent_path());
        fs::create_symlink(source, target);
    }
    return root.string();
}

namespace
{

std::string ReadFile(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<JournalEvent> ParseJournal(const std::string& strText)
{
    std::vector<JournalEvent> journal;
    std::istringstream lines(strText);
    std::string strLine;
    while (std::getline(lines, strLine))
    {
        std::istringstream words(strLine);
        JournalEvent event;
        event.strLine = strLine;
        if (!(words >> event.nTime >> event.strKind))
            continue;
        std::string strWord;
        while (words >> strWord)
            event.fields.push_back(strWord);
        journal.push_back(event);
    }
    return journal;
}

// Runs argv with its working directory set to strDir; the exit status, or -1.
int Spawn(const std::vector<std::string>& args, const std::string& strDir)
{
    std::vector<char*> argv;
    for (const std::string& strArg : args)
        argv.push_back(const_cast<char*>(strArg.c_str()));
    argv.push_back(nullptr);
    const std::string strOutput = strDir + "/output.txt";
    const pid_t pid = fork();
    if (pid == 0)
    {
        if (chdir(strDir.c_str()) != 0 || !std::freopen(strOutput.c_str(), "w", stdout) ||
            !std::freopen(strOutput.c_str(), "a", stderr))
            _exit(127);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int nWaitStatus = 0;
    if (pid < 0 || waitpid(pid, &nWaitStatus, 0) != pid || !WIFEXITED(nWaitStatus))
        return -1;
    return WEXITSTATUS(nWaitStatus);
}

} // namespace

RunResult RunGame(const CScratchDir& dir, const std::string& strScript, const RunOptions& options)
{
    RunResult result;
    result.strDir = dir.Path();
    const std::string strScriptFile = dir.File("script.txt");
    std::ofstream(strScriptFile) << strScript;
    const char* pszRunner = std::getenv("VELVINA_HEADLESS");
    // clang-format off
    const std::vector<std::string> args = {
        pszRunner && *pszRunner ? pszRunner : VELVINA_HEADLESS_PATH,
        "--root", options.strRoot.empty() ? BuiltContentRoot() : options.strRoot,
        "--script", strScriptFile,
        "--format", options.strFormat,
        "--audio", options.strAudio,
        "--max-ms", std::to_string(options.nMaxMs),
        "--journal", dir.File("journal.txt"),
        "--trace", dir.File("trace.txt"),
    };
    // clang-format on
    result.nStatus = Spawn(args, dir.Path());
    result.journal = ParseJournal(ReadFile(dir.File("journal.txt")));
    result.strTrace = ReadFile(dir.File("trace.txt"));
    return result;
}

std::vector<std::pair<int, std::string>> RunResult::Scenes() const
{
    std::vector<std::pair<int, std::string>> scenes;
    for (const JournalEvent& event : journal)
        if (event.strKind == "scene" && event.fields.size() == 2)
            scenes.emplace_back(std::atoi(event.fields[0].c_str()), event.fields[1]);
    return scenes;
}

std::vector<JournalEvent> RunResult::Sounds(const std::string& strAction) const
{
    std::vector<JournalEvent> sounds;
    for (const JournalEvent& event : journal)
        if (event.strKind == "sound" && !event.fields.empty() && event.fields[0] == strAction)
            sounds.push_back(event);
    return sounds;
}

int RunResult::SceneIndex(int nState, int nOccurrence) const
{
    const std::string strState = std::to_string(nState);
    for (size_t i = 0; i < journal.size(); ++i)
        if (journal[i].strKind == "scene" && !journal[i].fields.empty() && journal[i].fields[0] == strState &&
            nOccurrence-- == 0)
            return static_cast<int>(i);
    return -1;
}

namespace
{
bool IsLoadPlay(const JournalEvent& event, unsigned nTime)
{
    return event.strKind == "sound" && !event.fields.empty() && event.fields[0] == "play" &&
           event.nTime == nTime;
}
} // namespace

std::vector<JournalEvent> RunResult::VisitSounds(int nState, int nOccurrence) const
{
    std::vector<JournalEvent> sounds;
    const int nScene = SceneIndex(nState, nOccurrence);
    if (nScene < 0)
        return sounds;
    int nStart = nScene;
    while (nStart > 0 && IsLoadPlay(journal[nStart - 1], journal[nScene].nTime))
        --nStart;
    int nNext = nScene + 1;
    while (nNext < static_cast<int>(journal.size()) && journal[nNext].strKind != "scene")
        ++nNext;
    int nEnd = nNext;
    if (nNext < static_cast<int>(journal.size()))
        while (nEnd > nScene + 1 && IsLoadPlay(journal[nEnd - 1], journal[nNext].nTime))
            --nEnd;
    for (int i = nStart; i < nEnd; ++i)
        if (journal[i].strKind == "sound")
            sounds.push_back(journal[i]);
    return sounds;
}

std::string RunResult::Text() const
{
    std::string strText = "journal (status " + std::to_string(nStatus) + "):\n";
    for (const JournalEvent& event : journal)
        strText += "  " + event.strLine + "\n";
    return strText;
}

std::string SoundFile(const JournalEvent& event)
{
    if (event.fields.size() < 2)
        return std::string();
    const std::string& strPath = event.fields[1];
    const size_t nSlash = strPath.find_last_of("\\/");
    return nSlash == std::string::npos ? strPath : strPath.substr(nSlash + 1);
}

bool IsSound(const JournalEvent& event, const std::string& strAction, const std::string& strFile)
{
    return event.strKind == "sound" && !event.fields.empty() && event.fields[0] == strAction &&
           SoundFile(event) == strFile;
}

bool IsMusic(const std::string& strFile)
{
    return strFile == "lounge.mrs" || strFile == "urban.mrs" || strFile == "pop.mrs";
}

std::string SoundText(const JournalEvent& event)
{
    std::string strText = event.fields[0] + " " + SoundFile(event);
    if (event.fields[0] == "play")
        strText += " " + event.fields.back();
    return strText;
}

std::vector<std::string> Actions(const std::vector<JournalEvent>& sounds)
{
    std::vector<std::string> lines;
    for (const JournalEvent& event : sounds)
        if (event.fields[0] != "end")
            lines.push_back(SoundText(event));
    return lines;
}

std::vector<std::string> FirstActions(const RunResult& run, int nState, int nOccurrence, size_t nCount)
{
    std::vector<std::string> lines = Actions(run.VisitSounds(nState, nOccurrence));
    if (lines.size() > nCount)
        lines.resize(nCount);
    return lines;
}

RgbImage ReadPng(const std::string& strPath)
{
    RgbImage image;
    png_image png = {};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, strPath.c_str()))
        return image;
    png.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, rgb.data(), 0, nullptr))
        return image;
    image.nWidth = static_cast<int>(png.width);
    image.nHeight = static_cast<int>(png.height);
    image.rgb = std::move(rgb);
    return image;
}

const std::vector<DecodedPicture>& ContentFrames(const std::string& strRelative)
{
    static std::map<std::string, std::vector<DecodedPicture>> s_Decoded;
    auto it = s_Decoded.find(strRelative);
    if (it != s_Decoded.end())
        return it->second;
    std::string strGamePath = ".\\content\\" + strRelative;
    std::replace(strGamePath.begin(), strGamePath.end(), '/', '\\');
    std::vector<DecodedPicture> frames(1);
    std::string strError;
    int nFrameRate = 0;
    const bool bRead = fs::path(strRelative).extension() == ".mrm"
                           ? LoadFrameSet(strGamePath.c_str(), &frames, &nFrameRate, &strError)
                           : LoadPicture(strGamePath.c_str(), &frames[0], &strError);
    if (!bRead)
        frames.clear();
    return s_Decoded.emplace(strRelative, std::move(frames)).first->second;
}

void Rgb565(WORD wPixel, uint8_t* pRgb)
{
    pRgb[0] = static_cast<uint8_t>(((wPixel >> 11) * 255 + 15) / 31);
    pRgb[1] = static_cast<uint8_t>((((wPixel >> 5) & 63) * 255 + 31) / 63);
    pRgb[2] = static_cast<uint8_t>(((wPixel & 31) * 255 + 15) / 31);
}

RgbImage ContentPicture(const std::string& strRelative)
{
    RgbImage image;
    const std::vector<DecodedPicture>& frames = ContentFrames(strRelative);
    if (frames.size() != 1)
        return image;
    image.nWidth = frames[0].nWidth;
    image.nHeight = frames[0].nHeight;
    image.rgb.resize(frames[0].pixels.size() * 3);
    for (size_t i = 0; i < frames[0].pixels.size(); ++i)
        Rgb565(frames[0].pixels[i], &image.rgb[i * 3]);
    return image;
}

bool ShowsPicture(const RgbImage& shot, const RgbImage& picture, int x, int y, std::string* pWhy, int sx,
                  int sy, int w, int h, int nTolerance)
{
    if (w < 0)
        w = picture.nWidth;
    if (h < 0)
        h = picture.nHeight;
    if (shot.Empty() || picture.Empty() || w == 0 || h == 0 || x + w > shot.nWidth || y + h > shot.nHeight ||
        sx + w > picture.nWidth || sy + h > picture.nHeight)
    {
        if (pWhy)
            *pWhy = "shot or picture missing, or the area does not fit";
        return false;
    }
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
        {
            const uint8_t* pShot = shot.At(x + i, y + j);
            const uint8_t* pPicture = picture.At(sx + i, sy + j);
            for (int c = 0; c < 3; ++c)
                if (std::abs(pShot[c] - pPicture[c]) > nTolerance)
                {
                    if (pWhy)
                        *pWhy = "differs at screen (" + std::to_string(x + i) + ", " + std::to_string(y + j) +
                                ")";
                    return false;
                }
        }
    return true;
}

std::string Line(const char* pszCommand, int x, int y)
{
    return std::string(pszCommand) + " " + std::to_string(x) + " " + std::to_string(y) + "\n";
}

std::string ClickCentre(const LayoutRect& rc)
{
    return Line("click", (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
}

std::string ScriptSplashToSignIn()
{
    return "wait 100\n" + ClickCentre(SplashLayout::rcButton) + "wait 300\n";
}

std::string ScriptSignInToWall()
{
    return ClickCentre(SignInLayout::rcContinue) + "wait 1500\n";
}

std::string ScriptWallToSignIn()
{
    return ClickCentre(WallLayout::rcBoot) + "wait 1500\n";
}

std::string ScriptSignInToCredits()
{
    return ClickCentre(SignInLayout::rcFarewell) + "wait 12000\n";
}

} // namespace GameTest
