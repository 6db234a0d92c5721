// TestPictures.h: 16-bit RGB565 pictures drawn in code for the codec benchmark (gradients, flat
// areas, grainy photograph-like fields, line art and mixtures of them).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TestPicture
{
    std::string strName;
    int nWidth;
    int nHeight;
    std::vector<uint8_t> bytes; // little-endian 16-bit pixels, row after row
};

std::vector<TestPicture> MakeTestPictures();
