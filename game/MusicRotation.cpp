// MusicRotation.cpp: starting streamed sounds and choosing the next music track.
#include "game/MusicRotation.h"

#include "game/layout/SceneMusic.h"
#include "sound/MRVSoundEngine.h"

#include <cstdlib>

int g_nSignInLastTrack = 0;
int g_nWallLastTrack = 0;
int g_nMakeoverLastTrack = 0;
int g_nAvenueLastTrack = 0;

CMRVSoundObject* StartStreamedSound(const char* pszPath)
{
    if (!g_pSoundEngine)
        return nullptr;
    CMRVSoundObject* pSound = g_pSoundEngine->AddStreamingSoundObject();
    pSound->SetFileName(pszPath);
    g_pSoundEngine->InitStreamingSoundObject(pSound);
    g_pSoundEngine->PlaySound(pSound, TRUE);
    return pSound;
}

int PickMusicTrack(int nLastTrack)
{
    int nTrack = std::rand() % SceneMusic::nTrackCount;
    if (nTrack == nLastTrack)
        nTrack = std::rand() % SceneMusic::nTrackCount;
    return nTrack;
}

CMRVSoundObject* RotateMusic(CMRVSoundObject* pFinished, int& nLastTrack)
{
    if (!g_pSoundEngine)
        return nullptr;
    if (pFinished)
        g_pSoundEngine->RemoveSoundObject(pFinished);
    const int nTrack = PickMusicTrack(nLastTrack);
    CMRVSoundObject* pMusic = StartStreamedSound(SceneMusic::apszTracks[nTrack]);
    nLastTrack = nTrack;
    return pMusic;
}

void KeepMusicRotating(CMRVSoundObject*& pMusic, int& nLastTrack)
{
    if (g_pSoundEngine && !g_pSoundEngine->IsSoundPlaying(pMusic))
        pMusic = RotateMusic(pMusic, nLastTrack);
}
