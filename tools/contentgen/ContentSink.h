// ContentSink.h: where the generated art goes. Pictures and frame sets are staged as PNG files
// named after the game file they become (".\content\mmo\eye.mrm" -> mmo/eye.mrm.d/NNN.png),
// each with an argument file (mmo/eye.mrm.args) that tells the content build how to pack it
// with mrvtool. Every staged file is written only when its bytes change, so the build repacks
// only what changed.
#pragma once

#include "Canvas.h"

#include <set>
#include <string>
#include <vector>

enum class PackMode
{
    Auto, // plain when opaque, otherwise whichever of key and rle suits the picture
    Plain,
    ColourKey,
    RunCoded,
};

class CContentSink
{
public:
    explicit CContentSink(std::string strStagingDir);

    void AddPicture(const char* pszGamePath, const CCanvas& canvas, PackMode mode = PackMode::Auto);
    void AddFrameSet(const char* pszGamePath, int nFrameRate, const std::vector<CCanvas>& frames);
    // A sound whose WAV file (same name, .wav) is already in the staging folder.
    void AddSound(const char* pszGamePath);

    // Writes manifest.txt (one line per content file: name, how it is packed). Returns false
    // when any write failed.
    bool Finish();
    bool Failed() const { return m_bFailed; }
    const std::set<std::string>& Outputs() const { return m_outputs; }
    const std::string& StagingDir() const { return m_strStagingDir; }

    // "mmo/eye.mrm" for ".\content\mmo\eye.mrm".
    static std::string ContentName(const char* pszGamePath);
    // The transparency a picture is packed with when the mode is Auto.
    static PackMode ChooseMode(const CCanvas& canvas);

private:
    void WriteArgs(const std::string& strName, const std::vector<std::string>& args,
                   const std::string& strInputs);
    void Stage(const std::string& strRelative, const std::vector<uint8_t>& bytes);
    void Register(const std::string& strName, const std::string& strManifestLine);

    std::string m_strStagingDir;
    std::set<std::string> m_outputs;
    std::vector<std::string> m_manifest;
    bool m_bFailed = false;
};

// Writes bytes to a file unless it already holds exactly those bytes (ToolFiles::
// WriteFileBytesIfChanged), creating its folders first.
bool WriteFileIfChanged(const std::string& strPath, const std::vector<uint8_t>& bytes);
uint64_t HashBytes(const std::vector<uint8_t>& bytes, uint64_t nSeed = 1469598103934665603ull);
