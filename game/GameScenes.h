// GameScenes.h: registers the game's six scenes with the scene director's factory table.
#pragma once

// Called once by each executable before the shell starts.
void RegisterGameScenes();
