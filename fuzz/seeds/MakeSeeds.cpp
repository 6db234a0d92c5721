// MakeSeeds.cpp: every fuzz target's starting corpus, made from the built content, so that the
// fuzzers begin deep inside the formats instead of learning them from nothing.
//
// Usage: fuzz_seeds CONTENT_DIR JOURNEY_SCRIPT CORPUS_DIR
// Writes CORPUS_DIR/<target>/<name> for each target, in the input form its LLVMFuzzerTestOneInput
// reads (see the target's source):
//   fuzz_mri_loader, fuzz_mrm_reader, fuzz_animation_load: the .mri and .mrm files as they are;
//   fuzz_decoder: 3 bytes of output size, then a record's compressed stream (every record and frame);
//   fuzz_codec_roundtrip: 2 option bytes, then the start of a decoded payload;
//   fuzz_runcoded_draw: a draw of each run-coded picture (kind, operation, size, rectangle,
//     alpha, cut), then its decoded run list;
//   fuzz_sound_file: each .mrs file, cut after its first samples;
//   fuzz_runner_script: the journey script;
//   fuzz_compose: each scene's hot spots as sprites, shown, hidden, moved and redrawn.
#include "assets/MRVFrameSet.h"
#include "assets/MRVRecord.h"
#include "graphics/MRVImage.h"
#include "platform/ByteOrder.h"
#include "platform/ScreenFormat.h"
#include "sound/MRVSoundFile.h"
#include "tests/contentgen/SceneAreas.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

namespace
{

constexpr size_t kDecoderMaxOutput = 1u << 18; // the decoder target's own cap
constexpr size_t kRoundTripBytes = 16384;      // encoding is slow: a slice of each payload
constexpr size_t kSoundBytes = 16384;          // samples kept after the header

class CCorpus
{
public:
    explicit CCorpus(fs::path root) : m_Root(std::move(root)) {}

    bool Write(const char* pszTarget, const std::string& strName, const Bytes& bytes)
    {
        const fs::path folder = m_Root / pszTarget;
        std::error_code error;
        fs::create_directories(folder, error);
        std::ofstream file(folder / strName, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        m_bOk = m_bOk && file.good();
        ++m_nWritten;
        return file.good();
    }
    bool Ok() const { return m_bOk; }
    int Written() const { return m_nWritten; }

private:
    fs::path m_Root;
    bool m_bOk = true;
    int m_nWritten = 0;
};

Bytes ReadAll(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void PutShort(Bytes& out, int nValue)
{
    Platform::AppendLE16(out, static_cast<uint16_t>(nValue));
}

// Seeds from one image record: its stream for the decoder, a slice of its decoded payload for
// the round trip, and draws of a run-coded picture.
void AddRecordSeeds(CCorpus& corpus, const std::string& strName, const BYTE* pRecord, size_t nSize)
{
    CMRVImage image;
    if (!image.LoadFromMemory(pRecord, nSize))
        return;
    if (image.IsCompressed())
    {
        Bytes seed;
        const DWORD dwOut = std::min<DWORD>(image.GetBufferSize(), kDecoderMaxOutput);
        seed = {static_cast<uint8_t>(dwOut), static_cast<uint8_t>(dwOut >> 8),
                static_cast<uint8_t>(dwOut >> 16)};
        seed.insert(seed.end(), image.GetPixels(), image.GetPixels() + image.GetDataSize());
        corpus.Write("fuzz_decoder", strName, seed);
        if (!image.Decompress(nullptr))
            return;
    }
    const BYTE* pPayload = image.GetPixels();
    const size_t nPayload = image.GetBufferSize();
    Bytes roundTrip = {9, 0};
    roundTrip.insert(roundTrip.end(), pPayload, pPayload + std::min(nPayload, kRoundTripBytes));
    corpus.Write("fuzz_codec_roundtrip", strName, roundTrip);

    if (!(image.GetFlags() & MRVIMAGE_RUNCODED))
        return;
    // Operations 0 to 5: blit, blend, convert and blit, wave, into an image, column shift.
    for (uint8_t nOperation : {0, 1, 2, 4})
    {
        Bytes draw = {0, nOperation};
        PutShort(draw, image.GetWidth());
        PutShort(draw, image.GetHeight());
        for (int nValue : {10, 20, 0, 0, image.GetWidth(), image.GetHeight()}) // dx, dy, sx, sy, w, h
            PutShort(draw, nValue);
        draw.insert(draw.end(), {70, 255}); // alpha + 20, no cut
        draw.insert(draw.end(), pPayload, pPayload + nPayload);
        corpus.Write("fuzz_runcoded_draw", strName + "_op" + std::to_string(nOperation), draw);
    }
}

void AddFrameSetSeeds(CCorpus& corpus, const std::string& strName, const Bytes& file)
{
    CMRVFrameSet frames;
    if (!frames.LoadFromMemory(file.data(), file.size()))
        return;
    for (int i = 0; i < frames.GetFrameCount(); ++i)
    {
        size_t nSize = 0;
        const BYTE* pRecord = frames.GetFrameRecord(i, &nSize);
        AddRecordSeeds(corpus, strName + "_frame" + std::to_string(i), pRecord, nSize);
    }
}

// One scene's hot spots as sprites of the compose target (coordinates stored + 96, sizes up
// to 64), then hover-like changes: each spot's highlight shown, redrawn, hidden, one moved.
Bytes ComposeSeed(const std::vector<LayoutRect>& spots)
{
    const size_t nSprites = std::min<size_t>(spots.size(), 130);
    Bytes seed = {static_cast<uint8_t>(nSprites - 1)};
    for (size_t i = 0; i < nSprites; ++i)
    {
        const LayoutRect& rc = spots[i];
        seed.push_back(static_cast<uint8_t>(std::clamp(rc.right - rc.left, 1, 64) - 1));
        seed.push_back(static_cast<uint8_t>(std::clamp(rc.bottom - rc.top, 1, 64) - 1));
        seed.push_back(1); // layer
        PutShort(seed, rc.left + 96);
        PutShort(seed, rc.top + 96);
        seed.push_back(0); // hidden until hovered
        seed.push_back(1); // not always dirty
    }
    for (size_t i = 0; i < nSprites && i < 6; ++i)
    {
        const uint8_t nSprite = static_cast<uint8_t>(i);
        seed.insert(seed.end(), {nSprite, 1, nSprite, 4, nSprite, 1, nSprite, 2, 1, nSprite, 4});
    }
    seed.insert(seed.end(), {0, 0});
    PutShort(seed, Platform::kScreenWidth / 2 + 96);
    PutShort(seed, Platform::kScreenHeight / 2 + 96);
    seed.insert(seed.end(), {0, 4});
    return seed;
}

// A compose seed for each scene's hot spots.
void AddComposeSeeds(CCorpus& corpus)
{
    const std::vector<SceneArea> areas = AllSceneAreas();
    for (size_t nFirst = 0, nEnd = 0; nFirst < areas.size(); nFirst = nEnd)
    {
        std::vector<LayoutRect> spots;
        for (nEnd = nFirst; nEnd < areas.size() && areas[nEnd].pszBackground == areas[nFirst].pszBackground;
             ++nEnd)
            spots.push_back(areas[nEnd].rc);
        const std::string strBackground = areas[nFirst].pszBackground; // ".\\content\\mmo\\makeover.mri"
        corpus.Write("fuzz_compose", strBackground.substr(strBackground.rfind('\\') + 1), ComposeSeed(spots));
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4)
    {
        std::fprintf(stderr, "usage: fuzz_seeds CONTENT_DIR JOURNEY_SCRIPT CORPUS_DIR\n");
        return 2;
    }
    const fs::path content = argv[1];
    CCorpus corpus(argv[3]);
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::recursive_directory_iterator it(content, error), end; !error && it != end; it.increment(error))
    {
        if (it->is_regular_file())
            files.push_back(it->path());
    }
    if (error || files.empty())
    {
        std::fprintf(stderr, "fuzz_seeds: no content in %s\n", argv[1]);
        return 1;
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& path : files)
    {
        std::string strName = fs::relative(path, content).generic_string();
        std::replace(strName.begin(), strName.end(), '/', '_');
        const std::string strExtension = path.extension().string();
        Bytes file = ReadAll(path);
        if (strExtension == ".mri")
        {
            corpus.Write("fuzz_mri_loader", strName, file);
            AddRecordSeeds(corpus, strName, file.data(), file.size());
        }
        else if (strExtension == ".mrm")
        {
            corpus.Write("fuzz_mrm_reader", strName, file);
            corpus.Write("fuzz_animation_load", strName, file);
            AddFrameSetSeeds(corpus, strName, file);
        }
        else if (strExtension == ".mrs")
        {
            file.resize(std::min(file.size(), size_t{kSoundHeaderSize} + kSoundBytes));
            corpus.Write("fuzz_sound_file", strName, file);
        }
    }
    corpus.Write("fuzz_runner_script", fs::path(argv[2]).filename().string(), ReadAll(argv[2]));
    AddComposeSeeds(corpus);
    if (!corpus.Ok())
    {
        std::fprintf(stderr, "fuzz_seeds: cannot write the corpus in %s\n", argv[3]);
        return 1;
    }
    std::printf("fuzz_seeds: %d seeds from %zu content files\n", corpus.Written(), files.size());
    return 0;
}
