// ContentPictures.h: reading the built content back for the content tests: file paths from
// the game's ".\content\..." form, decoded pictures as plain 5-6-5 pixel grids, frame sets,
// sounds.
#pragma once

#include "sound/MRVSoundFile.h"

#include <cstdint>
#include <string>
#include <vector>

// A decoded picture; transparent pixels (colour key or transparent runs) are flagged.
struct DecodedPicture
{
    int nWidth = 0;
    int nHeight = 0;
    std::vector<uint16_t> pixels;
    std::vector<bool> opaque;

    uint16_t At(int x, int y) const { return pixels[size_t(y) * nWidth + x]; }
    bool IsOpaque(int x, int y) const { return opaque[size_t(y) * nWidth + x]; }
};

// <content dir>/mmo/eye.mrm for ".\content\mmo\eye.mrm".
std::string ContentFile(const char* pszGamePath);

// Loads and decodes a .mri file with the game's image class; false with a reason on failure.
bool LoadPicture(const char* pszGamePath, DecodedPicture* pOut, std::string* pError);
// Loads and decodes every frame of a .mrm file; the frame rate comes back in *pFrameRate.
bool LoadFrameSet(const char* pszGamePath, std::vector<DecodedPicture>* pFrames, int* pFrameRate,
                  std::string* pError);
// The header of a sound file and every 16-bit sample after it, whatever the header says.
bool LoadSound(const char* pszGamePath, MRVSoundHeader* pHeader, std::vector<int16_t>* pSamples,
               std::string* pError);

// Pixels of the rectangle (edges inclusive, clipped to the picture) that differ sharply from
// their right or lower neighbour: outlines and shapes, as opposed to a smooth backdrop.
int CountEdgePixels(const DecodedPicture& picture, int nLeft, int nTop, int nRight, int nBottom);
