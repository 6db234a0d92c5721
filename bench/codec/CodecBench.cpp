// CodecBench.cpp: compares the payload codec with zlib on pictures drawn in code: compressed
// size against zlib level 9, and decoding speed against zlib's inflate, measured side by side.
#include "TestPictures.h"
#include "assets/MRVDecompressor.h"
#include "tools/encoder/MRVEncoder.h"

#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point a, Clock::time_point b)
{
    return std::chrono::duration<double>(b - a).count();
}

// Decodes a whole payload block by block, as the image loader does.
bool DecodePayload(const std::vector<uint8_t>& stream, std::vector<uint8_t>& out)
{
    CMRVDecompressor dec;
    DWORD dwOut = DWORD(out.size());
    DWORD dwIn = DWORD(stream.size());
    while (dwIn != 0)
    {
        if (!dec.DecodeBlock(out.data() + (out.size() - dwOut), &dwOut,
                             stream.data() + (stream.size() - dwIn), &dwIn))
            return false;
    }
    return dwOut == 0;
}

// zlib's side uses raw deflate streams (no header, no checksum), so that inflate is timed on
// decoding work alone.
std::vector<uint8_t> Deflate9(const std::vector<uint8_t>& data)
{
    z_stream zs{};
    deflateInit2(&zs, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY);
    std::vector<uint8_t> out(deflateBound(&zs, uLong(data.size())));
    zs.next_in = const_cast<Bytef*>(data.data());
    zs.avail_in = uInt(data.size());
    zs.next_out = out.data();
    zs.avail_out = uInt(out.size());
    deflate(&zs, Z_FINISH);
    out.resize(zs.total_out);
    deflateEnd(&zs);
    return out;
}

bool Inflate(const std::vector<uint8_t>& stream, std::vector<uint8_t>& out)
{
    z_stream zs{};
    if (inflateInit2(&zs, -15) != Z_OK)
        return false;
    zs.next_in = const_cast<Bytef*>(stream.data());
    zs.avail_in = uInt(stream.size());
    zs.next_out = out.data();
    zs.avail_out = uInt(out.size());
    const int nResult = inflate(&zs, Z_FINISH);
    const bool bOk = nResult == Z_STREAM_END && zs.total_out == out.size();
    inflateEnd(&zs);
    return bOk;
}

} // namespace

int main()
{
    const std::vector<TestPicture> pics = MakeTestPictures();
    std::vector<std::vector<uint8_t>> ours, theirs;
    size_t nOurs = 0, nTheirs = 0, nRaw = 0;
    double dEncodeSeconds = 0, dWorstEncode = 0, dZlibEncodeSeconds = 0;
    for (const TestPicture& pic : pics)
    {
        const auto t0 = Clock::now();
        ours.push_back(MRVEncoder::Encode(pic.bytes.data(), pic.bytes.size()));
        const double dEncode = Seconds(t0, Clock::now());
        dEncodeSeconds += dEncode;
        dWorstEncode = std::max(dWorstEncode, dEncode);
        const auto t1 = Clock::now();
        theirs.push_back(Deflate9(pic.bytes));
        dZlibEncodeSeconds += Seconds(t1, Clock::now());
        nOurs += ours.back().size();
        nTheirs += theirs.back().size();
        nRaw += pic.bytes.size();
        std::fprintf(stderr, "%-22s raw %7zu  ours %7zu  zlib9 %7zu  ratio %.3f  encode %.0f ms\n",
                     pic.strName.c_str(), pic.bytes.size(), ours.back().size(), theirs.back().size(),
                     double(ours.back().size()) / double(theirs.back().size()), dEncode * 1000);
    }
    std::fprintf(
        stderr,
        "encode: %.0f ms per picture on average, %.0f ms at worst (zlib level 9: %.0f ms on average)\n",
        dEncodeSeconds * 1000 / double(pics.size()), dWorstEncode * 1000,
        dZlibEncodeSeconds * 1000 / double(pics.size()));

    std::vector<uint8_t> out;
    for (size_t i = 0; i < pics.size(); ++i)
    {
        out.assign(pics[i].bytes.size(), 0);
        if (!DecodePayload(ours[i], out) || out != pics[i].bytes)
        {
            std::fprintf(stderr, "round trip failed: %s\n", pics[i].strName.c_str());
            return 1;
        }
    }

    // The two decoders alternate on each picture; each keeps its best time per picture, which
    // filters out the moments a shared machine takes the core away.
    constexpr int REPETITIONS = 25;
    double dBestOurs = 0, dBestZlib = 0;
    for (size_t i = 0; i < pics.size(); ++i)
    {
        out.resize(pics[i].bytes.size());
        double dOurs = 1e30, dZlib = 1e30;
        for (int r = 0; r < REPETITIONS; ++r)
        {
            const auto t0 = Clock::now();
            const bool bOk = DecodePayload(ours[i], out);
            const auto t1 = Clock::now();
            const bool bZok = Inflate(theirs[i], out);
            const auto t2 = Clock::now();
            if (!bOk || !bZok)
                return 1;
            dOurs = std::min(dOurs, Seconds(t0, t1));
            dZlib = std::min(dZlib, Seconds(t1, t2));
        }
        dBestOurs += dOurs;
        dBestZlib += dZlib;
        std::fprintf(stderr, "%-22s decode %7.1f MB/s  inflate %7.1f MB/s\n", pics[i].strName.c_str(),
                     double(out.size()) / dOurs / 1e6, double(out.size()) / dZlib / 1e6);
    }
    const double dMegabytes = double(nRaw) / 1e6;
    std::printf("FIGURE decode_mb_per_s %.1f\n", dMegabytes / dBestOurs);
    std::printf("FIGURE zlib_inflate_mb_per_s %.1f\n", dMegabytes / dBestZlib);
    std::printf("FIGURE decode_vs_zlib %.3f\n", dBestZlib / dBestOurs);
    std::printf("FIGURE size_vs_zlib9 %.3f\n", double(nOurs) / double(nTheirs));
    return 0;
}
