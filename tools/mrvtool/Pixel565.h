// Pixel565.h: conversion between 8-bit RGB and the 5-6-5 pixels pictures are stored in.
// Pure functions, shared by mrvtool, its tests and the content generator.
#pragma once

#include <cstdint>

namespace MRVPacker
{

// Alpha below half makes a pixel transparent.
inline bool IsTransparentAlpha(uint8_t nAlpha)
{
    return nAlpha < 128;
}

// Nearest 5-6-5 pixel to an 8-bit colour (each channel rounded to nearest).
uint16_t RgbTo565(uint8_t r, uint8_t g, uint8_t b);

// The 8-bit colour a 5-6-5 pixel stands for (each channel scaled and rounded to nearest), so
// that RgbTo565 of the result gives the pixel back.
void Rgb565ToRgb(uint16_t nPixel, uint8_t* pR, uint8_t* pG, uint8_t* pB);

// A pixel for an opaque point of a colour-keyed picture. Pixel 0 is the colour key, and 0x0020
// (the smallest green) becomes 0 when the game rewrites pixels for a 5-5-5 display; a colour
// that would come out as either is stored as the nearest of 0x0001, 0x0040 and 0x0800, which
// stay visible in both formats.
uint16_t RgbToVisible565(uint8_t r, uint8_t g, uint8_t b);

} // namespace MRVPacker
