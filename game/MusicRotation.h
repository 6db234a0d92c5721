// MusicRotation.h: the background music that the sign-in, wall, makeover and avenue scenes
// keep going. Every visit starts with the lounge track; whenever a track has played to its
// end the scene asks for the next one, picked at random from the three tracks with a bias
// away from the one it played last. Each of those scenes remembers its last track for the
// whole run. Depends on the sound engine and game/layout/SceneMusic.h.
#pragma once

class CMRVSoundObject;

// The last track index (0, 1 or 2) of each rotating scene, 0 at program start.
extern int g_nSignInLastTrack;
extern int g_nWallLastTrack;
extern int g_nMakeoverLastTrack;
extern int g_nAvenueLastTrack;

// The track that opens every visit of a rotating scene.
constexpr int MUSIC_FIRST_TRACK = 0;

// Adds a streamed sound for pszPath, initialises it and starts it with the looping flag (a
// streamed sound still ends by itself at the end of its file). Null without a sound engine.
CMRVSoundObject* StartStreamedSound(const char* pszPath);

// A random track index: rand() % 3, drawn once more (and then kept) when it repeats
// nLastTrack.
int PickMusicTrack(int nLastTrack);

// The next track after pFinished has ended: removes pFinished from the sound engine (so a
// long session does not collect finished tracks), starts the track PickMusicTrack chooses and
// records it in nLastTrack. Returns the new music sound; null without a sound engine.
CMRVSoundObject* RotateMusic(CMRVSoundObject* pFinished, int& nLastTrack);

// Called at every update of a rotating scene: once pMusic has stopped playing, replaces it
// with the next track (RotateMusic). Does nothing without a sound engine.
void KeepMusicRotating(CMRVSoundObject*& pMusic, int& nLastTrack);
