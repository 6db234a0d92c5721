// HeadlessMain.cpp: entry of velvina-headless, the game on the headless backend.
#include "apps/headless/HeadlessRunner.h"
#include "game/GameScenes.h"

#include <string>
#include <vector>

int main(int argc, char** argv)
{
    return Runner::RunHeadless(std::vector<std::string>(argv + 1, argv + argc), &RegisterGameScenes);
}
