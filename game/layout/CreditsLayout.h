// CreditsLayout.h: the credits screen's single picture.
#pragma once

#include "game/layout/LayoutTypes.h"

namespace CreditsLayout
{

constexpr const char* pszBackground = ".\\content\\credits.mri";

} // namespace CreditsLayout
