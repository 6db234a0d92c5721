// GameTestSupport.cpp: spawning the runner, reading its journal and shots, preparing content
// roots, and composing the screens the scenes should show.
#include "tests/game/GameTestSupport.h"

#include "game/layout/MakeoverLayout.h"
#include "game/layout/SignInLayout.h"
#include "game/layout/SplashLayout.h"
#include "game/layout/WallLayout.h"
#include "platform/ScreenFormat.h"

#include <png.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace GameTest
{

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

std::string ContentRelative(const std::string& strPath)
{
    const std::string strPrefix = ".\\content\\";
    std::string strRelative =
        strPath.compare(0, strPrefix.size(), strPrefix) == 0 ? strPath.substr(strPrefix.size()) : strPath;
    std::replace(strRelative.begin(), strRelative.end(), '\\', '/');
    return strRelative;
}

std::string MakeContentRoot(const CScratchDir& dir, const std::vector<std::string>& missing,
                            const std::map<std::string, std::string>& replaced)
{
    const fs::path builtContent = fs::path(VELVINA_CONTENT_ROOT) / "content";
    const fs::path root = fs::path(dir.Path()) / "root";
    std::map<std::string, std::string> sources;
    for (const std::string& strMissing : missing)
        sources[ContentRelative(strMissing)] = "";
    for (const auto& [strFile, strSource] : replaced)
        sources[ContentRelative(strFile)] = ContentRelative(strSource);
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(builtContent))
    {
        const std::string strRelative = entry.path().lexically_relative(builtContent).generic_string();
        const fs::path target = root / "content" / strRelative;
        const auto itSource = sources.find(strRelative);
        if (entry.is_directory())
            fs::create_directories(target);
        else if (itSource == sources.end())
            fs::create_symlink(entry.path(), target);
        else if (!itSource->second.empty())
            fs::create_symlink(builtContent / itSource->second, target);
    }
    return root.string();
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

std::string ReadFile(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

namespace
{

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

// Runs args in strDir, their output to output.txt there; the exit status, or -1.
int Spawn(const std::vector<std::string>& args, const std::string& strDir)
{
    std::string strCommand = "cd '" + strDir + "' &&";
    for (const std::string& strArg : args)
        strCommand += " '" + strArg + "'";
    const int nStatus = std::system((strCommand + " >output.txt 2>&1").c_str());
    return nStatus != -1 && WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
}

bool IsLoadPlay(const JournalEvent& event, unsigned nTime)
{
    return event.strKind == "sound" && !event.fields.empty() && event.fields[0] == "play" &&
           event.nTime == nTime;
}

} // namespace

RunResult RunGame(const CScratchDir& dir, const std::string& strScript, const RunOptions& options)
{
    RunResult result;
    result.strDir = dir.Path();
    const std::string strScriptFile = dir.File("script.txt");
    std::ofstream(strScriptFile) << strScript;
    // clang-format off
    const std::vector<std::string> args = {
        VELVINA_HEADLESS_PATH,
        "--root", options.strRoot.empty() ? VELVINA_CONTENT_ROOT : options.strRoot,
        "--script", strScriptFile,
        "--format", options.strFormat,
        "--audio", options.strAudio,
        "--max-ms", "120000",
        "--journal", dir.File("journal.txt"),
        "--trace", dir.File("trace.txt"),
    };
    // clang-format on
    result.nStatus = Spawn(args, dir.Path());
    result.journal = ParseJournal(ReadFile(dir.File("journal.txt")));
    result.strTrace = ReadFile(dir.File("trace.txt"));
    return result;
}

std::vector<SceneId> RunResult::Scenes() const
{
    std::vector<SceneId> scenes;
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

ActionList Actions(const std::vector<JournalEvent>& sounds)
{
    ActionList lines;
    for (const JournalEvent& event : sounds)
        if (event.fields[0] == "play")
            lines.push_back("play " + SoundFile(event) + " " + event.fields.back());
        else if (event.fields[0] != "end")
            lines.push_back(event.fields[0] + " " + SoundFile(event));
    return lines;
}

const std::vector<DecodedPicture>& ContentFrames(const std::string& strPath)
{
    static std::map<std::string, std::vector<DecodedPicture>> s_Decoded;
    const std::string strRelative = ContentRelative(strPath);
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

namespace
{

constexpr int kWidth = Platform::kScreenWidth;
constexpr int kHeight = Platform::kScreenHeight;

// Puts the opaque pixels of frame nFrame of a content file onto the screen with its top-left
// at pt, clipped to the screen.
void Paint(const std::string& strFile, int nFrame, LayoutPoint pt, std::vector<WORD>& screen)
{
    const std::vector<DecodedPicture>& frames = ContentFrames(strFile);
    if (nFrame < 0 || nFrame >= static_cast<int>(frames.size()))
        return;
    const DecodedPicture& picture = frames[static_cast<size_t>(nFrame)];
    for (int y = std::max(0, -pt.y); y < picture.nHeight && pt.y + y < kHeight; ++y)
        for (int x = std::max(0, -pt.x); x < picture.nWidth && pt.x + x < kWidth; ++x)
            if (picture.IsOpaque(x, y))
                screen[static_cast<size_t>(pt.y + y) * kWidth + pt.x + x] = picture.At(x, y);
}

// A picture's size as a rectangle at pt (right and bottom exclusive); empty when missing.
LayoutRect PictureArea(const std::string& strPicture, LayoutPoint pt)
{
    const std::vector<DecodedPicture>& frames = ContentFrames(strPicture);
    if (frames.empty())
        return LayoutRect{pt.x, pt.y, pt.x, pt.y};
    return LayoutRect{pt.x, pt.y, pt.x + frames[0].nWidth, pt.y + frames[0].nHeight};
}

} // namespace

CExpectedScreen::CExpectedScreen(const std::string& strBackground)
    : m_Screen(static_cast<size_t>(kWidth) * kHeight, 0)
{
    Paint(strBackground, 0, LayoutPoint{0, 0}, m_Screen);
}

CExpectedScreen& CExpectedScreen::Draw(const std::string& strPicture, LayoutPoint pt, int nFrame)
{
    Paint(strPicture, nFrame, pt, m_Screen);
    return *this;
}

::testing::AssertionResult CExpectedScreen::MatchesShot(const RgbImage& shot, const LayoutRect& rcSkip,
                                                        int nTolerance) const
{
    if (shot.nWidth != kWidth || shot.nHeight != kHeight)
        return ::testing::AssertionFailure() << "no 640x480 shot";
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
        {
            if (rcSkip.left <= x && x < rcSkip.right && rcSkip.top <= y && y < rcSkip.bottom)
                continue;
            // Each 5-6-5 channel scaled to 0-255 and rounded.
            const WORD wPixel = m_Screen[static_cast<size_t>(y) * kWidth + x];
            const int anRgb[3] = {((wPixel >> 11) * 255 + 15) / 31, (((wPixel >> 5) & 63) * 255 + 31) / 63,
                                  ((wPixel & 31) * 255 + 15) / 31};
            for (int c = 0; c < 3; ++c)
                if (std::abs(anRgb[c] - shot.At(x, y)[c]) > nTolerance)
                    return ::testing::AssertionFailure() << "differs at screen (" << x << ", " << y << ")";
        }
    return ::testing::AssertionSuccess();
}

CExpectedScreen StudioWith(const Face& face)
{
    namespace ML = MakeoverLayout;
    CExpectedScreen screen(ML::pszBackground);
    const std::pair<const char*, int> layers[] = {{ML::pszEyes, face.nEyes},
                                                  {ML::pszLips, face.nLips},
                                                  {ML::pszGlasses, face.nGlasses},
                                                  {ML::pszHair, face.nHair}};
    for (const auto& [pszLayer, nFrame] : layers)
        screen.Draw(pszLayer, ML::ptFace, nFrame);
    return screen;
}

CExpectedScreen AvenueWith(const Outfit& outfit, int nHighlightRow, bool bExitHighlight)
{
    namespace AL = AvenueLayout;
    CExpectedScreen screen(AL::pszBackground);
    if (nHighlightRow >= 0)
        screen.Draw(AL::aRows[nHighlightRow].pszHighlight, AL::aRows[nHighlightRow].ptHighlight);
    screen.Draw(AL::pszBackdrop, AL::ptBackdrop);
    if (bExitHighlight)
        screen.Draw(AL::pszExit, AL::ptExit);
    for (AL::AvenueRowIndex nRow : AL::aLayerDrawOrder)
    {
        const bool bSeparates = nRow == AL::ROW_TOP || nRow == AL::ROW_BOT;
        if (nRow == AL::ROW_DRE ? outfit.bDress : !(bSeparates && outfit.bDress))
            screen.Draw(AL::aRows[nRow].pszItems, AL::aRows[nRow].ptLayer, outfit.anItem[nRow]);
    }
    return screen;
}

void ExpectArrowShown(const CExpectedScreen& expected, const RgbImage& shot, const char* const* apszFrames,
                      LayoutPoint pt)
{
    EXPECT_TRUE(expected.MatchesShot(shot, PictureArea(apszFrames[0], pt)));
    // Which frame shows depends on the moment.
    bool bShown = false;
    for (int i = 0; i < 3; ++i)
        bShown = bShown || CExpectedScreen(expected).Draw(apszFrames[i], pt).MatchesShot(shot);
    EXPECT_TRUE(bShown) << "none of the arrow's frames shows at (" << pt.x << ", " << pt.y << ")";
}

std::string Line(const char* pszCommand, int x, int y)
{
    return std::string(pszCommand) + " " + std::to_string(x) + " " + std::to_string(y) + "\n";
}

std::string ClickCentre(const LayoutRect& rc)
{
    return Line("click", (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
}

std::string Shot(const std::string& strName)
{
    return "wait 100\nshot " + strName + "\n";
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

std::string ScriptWallToMakeover()
{
    return ClickCentre(WallLayout::rcMakeover) + "wait 300\n";
}

std::string ScriptWallToAvenue()
{
    return ClickCentre(WallLayout::rcAvenue) + "wait 300\n";
}

std::string AvenueArrow(int nRow, bool bRight)
{
    const AvenueLayout::AvenueRow& row = AvenueLayout::aRows[nRow];
    return ClickCentre(bRight ? row.rcRightArrow : row.rcLeftArrow);
}

std::string ScriptSignInToCredits()
{
    return ClickCentre(SignInLayout::rcFarewell) + "wait 12000\n";
}

} // namespace GameTest
