// SceneArt.h: one generator per scene. Each draws its scene's pictures and frame sets into the
// content sink and returns the scene's contact sheet.
#pragma once

#include "Canvas.h"
#include "ContentSink.h"

CCanvas GenerateSplashArt(CContentSink& sink);
CCanvas GenerateSignInArt(CContentSink& sink);
CCanvas GenerateWallArt(CContentSink& sink);
CCanvas GenerateMakeoverArt(CContentSink& sink);
CCanvas GenerateAvenueArt(CContentSink& sink);
CCanvas GenerateCreditsArt(CContentSink& sink);
