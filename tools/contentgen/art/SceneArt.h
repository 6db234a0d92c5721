// SceneArt.h: one generator per scene. Each draws its scene's pictures and frame sets into the
// content sink and returns the scene's contact sheet.
#pragma once

#include "Canvas.h"
#include "ContentSink.h"

#include <vector>

CCanvas GenerateSplashArt(CContentSink& sink);
CCanvas GenerateSignInArt(CContentSink& sink);
CCanvas GenerateWallArt(CContentSink& sink);
CCanvas GenerateMakeoverArt(CContentSink& sink);
CCanvas GenerateAvenueArt(CContentSink& sink);
CCanvas GenerateCreditsArt(CContentSink& sink);

// The avenue's background, and the frames of one of its item rows (a row of AvenueLayout) as
// the scene packs them: drawn on the model and flattened over that background.
CCanvas RenderAvenueBackground();
std::vector<CCanvas> RenderAvenueItems(int nRow, const CCanvas& background);
