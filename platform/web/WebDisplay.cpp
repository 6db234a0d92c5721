// WebDisplay.cpp: canvas primary surface over the memory back surface, 5-6-5 to RGBA
// conversion and the frame-time record.
#include "platform/web/WebDisplay.h"

#include "platform/MemorySurface.h"
#include "platform/ScreenFormat.h"
#include "platform/web/WebWindow.h"

#include <emscripten.h>

#include <cstring>

namespace Platform
{

namespace
{
constexpr int kWidth = kScreenWidth;
constexpr int kHeight = kScreenHeight;
constexpr DWORD kRefreshPeriod = 16; // the browser paints about 60 times a second

// A field of nBits expanded to 8 bits, rounded to the nearest value.
uint32_t Expand(uint32_t nValue, uint32_t nBits)
{
    const uint32_t nMax = (1u << nBits) - 1;
    return (nValue * 255u + nMax / 2) / nMax;
}

// Makes the page's frame record (performance.now() of the first frame, the frame times) and
// the canvas's context; 0 when the page has no such canvas.
EM_JS(int, velvina_open_canvas, (const char* pszCanvas, int nWidth, int nHeight), {
    var canvas = document.querySelector(UTF8ToString(pszCanvas));
    if (!canvas)
        return 0;
    canvas.width = nWidth;
    canvas.height = nHeight;
    var context = canvas.getContext("2d", {alpha : false});
    if (!context)
        return 0;
    Module["velvinaScreen"] = {
        context : context,
        image : context.createImageData(nWidth, nHeight),
        firstFrameAt : 0,
        framesShown : 0,
        frameTimes : [],
        shownFrameTimes : []
    };
    return 1;
});

// Copies the RGBA frame out of the program's memory (which may be shared with the workers,
// and the canvas takes no view of shared memory) into the canvas.
EM_JS(void, velvina_put_frame, (const uint8_t* pRgba, int nBytes), {
    var screen = Module["velvinaScreen"];
    screen.image.data.set(HEAPU8.subarray(pRgba, pRgba + nBytes));
    screen.context.putImageData(screen.image, 0, 0);
    if (!screen.framesShown)
        screen.firstFrameAt = performance.now();
    screen.framesShown++;
});

// Keeps the time of one frame (ms), and separately that of a frame that changed the canvas.
EM_JS(void, velvina_record_frame_time, (double dMilliseconds, int bShown), {
    var screen = Module["velvinaScreen"];
    if (screen.frameTimes.length < 100000)
        screen.frameTimes.push(dMilliseconds);
    if (bShown && screen.shownFrameTimes.length < 100000)
        screen.shownFrameTimes.push(dMilliseconds);
});
} // namespace

// The canvas: copying a frame to it shows the frame.
class CWebPrimarySurface : public CMemoryPrimarySurface
{
public:
    explicit CWebPrimarySurface(CWebDisplay& display) : m_Display(display) {}

    DisplayResult Restore() override { return DISPLAY_OK; }
    void Release() override
    {
        m_Display.m_pPrimary = nullptr;
        delete this;
    }

protected:
    const IDisplaySurface* GetBackSurface() const override { return m_Display.m_pBack; }
    DisplayResult ShowFrame(const CMemoryBackSurface& back) override { return m_Display.ShowFrame(back); }

private:
    CWebDisplay& m_Display;
};

CWebDisplay::CWebDisplay(CWebWindow& window) : m_Window(window)
{
    m_Window.AttachDisplay(this);
}

CWebDisplay::~CWebDisplay()
{
    if (m_pPrimary)
        m_pPrimary->Release();
    if (m_pBack)
        m_pBack->Release();
    m_Window.AttachDisplay(nullptr);
}

BOOL CWebDisplay::Create()
{
    if (!velvina_open_canvas(CWebWindow::kCanvas, kWidth, kHeight))
    {
        m_strError = std::string("the page has no 2-D canvas ") + CWebWindow::kCanvas;
        return FALSE;
    }
    m_bCreated = TRUE;
    return TRUE;
}

BOOL CWebDisplay::OpenDevice()
{
    if (!m_bCreated)
        return FALSE;
    // Little-endian RGBA bytes of every pixel value, opaque.
    m_Palette.resize(0x10000);
    for (uint32_t nPixel = 0; nPixel < 0x10000; ++nPixel)
    {
        const uint32_t nRed = Expand(nPixel >> 11, 5);
        const uint32_t nGreen = Expand((nPixel >> 5) & 0x3F, 6);
        const uint32_t nBlue = Expand(nPixel & 0x1F, 5);
        m_Palette[nPixel] = 0xFF000000u | (nBlue << 16) | (nGreen << 8) | nRed;
    }
    m_Rgba.assign(kWidth * kHeight, 0xFF000000u);
    return TRUE;
}

BOOL CWebDisplay::GetCaps(DisplayCaps& caps)
{
    // The canvas is drawn by the browser: nothing here is the game's to accelerate.
    caps = DisplayCaps{};
    caps.bNoHardware = TRUE;
    return m_bCreated;
}

BOOL CWebDisplay::SetCooperativeLevel(HWND hWnd, BOOL)
{
    // The canvas belongs to the page alone; going full screen is the player's choice (the
    // page's button), since browsers allow it only after a click.
    return hWnd ? TRUE : FALSE;
}

BOOL CWebDisplay::SetDisplayMode(DWORD dwWidth, DWORD dwHeight, DWORD dwBitsPerPixel)
{
    if (dwWidth != kWidth || dwHeight != kHeight || dwBitsPerPixel != static_cast<DWORD>(kScreenBitsPerPixel))
    {
        m_strError = "only 640x480 with 16-bit pixels is offered";
        return FALSE;
    }
    return TRUE;
}

BOOL CWebDisplay::RestoreDisplayMode()
{
    return TRUE;
}

IDisplaySurface* CWebDisplay::CreatePrimarySurface()
{
    if (!m_bCreated || m_Palette.empty())
        return nullptr;
    m_pPrimary = new CWebPrimarySurface(*this);
    m_bNeedsRepaint = TRUE;
    return m_pPrimary;
}

IDisplaySurface* CWebDisplay::CreateBackSurface(DWORD dwWidth, DWORD dwHeight)
{
    if (dwWidth != kWidth || dwHeight != kHeight)
    {
        m_strError = "the back surface is 640x480";
        return nullptr;
    }
    m_pBack = new CMemoryBackSurface([this] { m_pBack = nullptr; },
                                     [this] { m_dFrameStart = emscripten_get_now(); });
    return m_pBack;
}

BOOL CWebDisplay::CreateClipper(HWND hWnd)
{
    return hWnd ? TRUE : FALSE; // the canvas is its own clip
}

void CWebDisplay::Release()
{
    m_bCreated = FALSE;
}

DWORD CWebDisplay::GetRefreshPeriod()
{
    return kRefreshPeriod;
}

DisplayResult CWebDisplay::ShowFrame(const CMemoryBackSurface& back)
{
    const std::vector<WORD>& pixels = back.Pixels();
    const BOOL bChanged = m_bNeedsRepaint || m_Shown.size() != pixels.size() ||
                          std::memcmp(m_Shown.data(), pixels.data(), pixels.size() * sizeof(WORD)) != 0;
    if (bChanged)
    {
        for (size_t i = 0; i < pixels.size(); ++i)
            m_Rgba[i] = m_Palette[pixels[i]];
        velvina_put_frame(reinterpret_cast<const uint8_t*>(m_Rgba.data()),
                          static_cast<int>(m_Rgba.size() * sizeof(uint32_t)));
        m_Shown = pixels;
        m_bNeedsRepaint = FALSE;
    }
    velvina_record_frame_time(emscripten_get_now() - m_dFrameStart, bChanged);
    return DISPLAY_OK;
}

} // namespace Platform
