// WebAudioDevice.cpp: the Web Audio graph (created on the first gesture) and the mixer it
// pulls from.
#include "platform/web/WebAudioDevice.h"

#include "platform/ScreenFormat.h"
#include "platform/mixer/SoftwareMixer.h"

#include <emscripten.h>

#include <cstdint>
#include <vector>

namespace Platform
{

namespace
{

class CWebAudioDevice;

// 0 when the page has no Web Audio. Otherwise waits for the first click or key press, then
// makes the context and the node, whose blocks come from velvina_web_audio_mix(pDevice).
EM_JS(int, velvina_audio_open, (void* pDevice, int nRate, int nFrames), {
    var AudioContextClass = window.AudioContext || window.webkitAudioContext;
    if (!AudioContextClass)
        return 0;
    var audio = {device : pDevice, context : null, node : null};
    audio.start = function()
    {
        window.removeEventListener("pointerdown", audio.start, true);
        window.removeEventListener("keydown", audio.start, true);
        if (!audio.device || audio.context)
            return;
        try
        {
            audio.context = new AudioContextClass({sampleRate : nRate});
        }
        catch (error)
        {
            console.log("Web Audio cannot run at " + nRate + " Hz: " + error);
            return;
        }
        audio.node = audio.context.createScriptProcessor(nFrames, 0, 1);
        audio.node.onaudioprocess = function(event)
        {
            var output = event.outputBuffer.getChannelData(0);
            if (!audio.device)
            {
                output.fill(0);
                return;
            }
            var pSamples = _velvina_web_audio_mix(audio.device, output.length);
            var samples = HEAP16.subarray(pSamples >> 1, (pSamples >> 1) + output.length);
            for (var i = 0; i < output.length; ++i)
                output[i] = samples[i] / 32768;
            var tap = Module["velvinaAudioTap"];
            if (tap)
                tap.push(Int16Array.from(samples));
        };
        audio.node.connect(audio.context.destination);
        audio.context.resume();
    };
    window.addEventListener("pointerdown", audio.start, true);
    window.addEventListener("keydown", audio.start, true);
    Module["velvinaAudio"] = audio;
    return 1;
});

EM_JS(void, velvina_audio_close, (), {
    var audio = Module["velvinaAudio"];
    if (!audio)
        return;
    audio.device = 0;
    window.removeEventListener("pointerdown", audio.start, true);
    window.removeEventListener("keydown", audio.start, true);
    if (audio.node)
        audio.node.disconnect();
    if (audio.context)
        audio.context.close();
    Module["velvinaAudio"] = null;
});

class CWebAudioDevice : public IAudioDevice
{
public:
    BOOL Open()
    {
        return velvina_audio_open(this, static_cast<int>(kAudioOutputRate), CWebAudio::kBlockFrames);
    }

    AudioResult SetCooperativeLevel(HWND hWnd) override { return hWnd ? AUDIO_OK : AUDIO_FAILED; }
    IAudioPrimaryBuffer* CreatePrimaryBuffer() override { return m_Mixer.CreatePrimaryBuffer(); }
    IAudioBuffer* CreateBuffer(const AudioBufferDesc& desc) override { return m_Mixer.CreateBuffer(desc); }
    void Release() override
    {
        velvina_audio_close();
        delete this;
    }

    // The next block of output, in memory the device keeps until the next call.
    const int16_t* Mix(int nFrames)
    {
        m_Block.resize(static_cast<size_t>(nFrames > 0 ? nFrames : 0));
        m_Mixer.Mix(m_Block.data(), m_Block.size());
        return m_Block.data();
    }

private:
    CSoftwareMixer m_Mixer;
    std::vector<int16_t> m_Block;
};

} // namespace

IAudioDevice* CWebAudio::OpenDevice()
{
    CWebAudioDevice* pDevice = new CWebAudioDevice();
    if (!pDevice->Open())
    {
        delete pDevice;
        return nullptr;
    }
    return pDevice;
}

} // namespace Platform

// Called by the page's audio node for every block it plays.
extern "C" EMSCRIPTEN_KEEPALIVE const int16_t* velvina_web_audio_mix(void* pDevice, int nFrames)
{
    return static_cast<Platform::CWebAudioDevice*>(pDevice)->Mix(nFrames);
}
