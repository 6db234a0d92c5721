// SignInLayout.h: the sign-in screen's files, choice areas, highlights and talking host.
#pragma once

#include "game/layout/LayoutTypes.h"

namespace SignInLayout
{

constexpr const char* pszBackground = ".\\content\\signin\\signin.mri";
constexpr const char* pszFarewell = ".\\content\\signin\\sicaio.mri";
constexpr const char* pszContinue = ".\\content\\signin\\sicont.mri";
constexpr const char* pszTalk = ".\\content\\signin\\stg2.mrm";
constexpr const char* pszGreeting = ".\\content\\signin\\hotshot.mrs";
constexpr const char* pszFarewellVoice = ".\\content\\signin\\caio.mrs";
constexpr const char* pszContinueSound = ".\\content\\signin\\cont.mrs";

// Hot spots, in the order the scene registers them: continue first, then farewell.
constexpr LayoutRect rcFarewell{9, 416, 131, 476};
constexpr LayoutRect rcContinue{492, 421, 613, 480};

constexpr LayoutPoint ptFarewell{5, 416};
constexpr LayoutPoint ptContinue{487, 421};
constexpr LayoutPoint ptTalk{61, 81};

constexpr int nTalkFrameRate = 13;
// The host rests on frame 0 and needs at least one more mouth shape to talk.
constexpr int nMinTalkFrames = 2;

constexpr uint32_t dwLeaveDelayMs = 1000;

} // namespace SignInLayout
