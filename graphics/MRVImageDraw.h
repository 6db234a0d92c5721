// MRVImageDraw.h: state shared by the drawing operations of CMRVImage (MRVImage.h).
#pragma once

// Phase of the wave effect, shared by every image: each wave draw moves it on by 2 (wrapping
// to 0 above 19), so the ripple moves once per call. -1 before the first wave draw.
extern int g_nWavePhase;
