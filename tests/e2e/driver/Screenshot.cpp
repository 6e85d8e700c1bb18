#include "tests/e2e/driver/Screenshot.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace e2e {
namespace {

using Microsoft::WRL::ComPtr;

void Check(HRESULT result, const char* what) {
    if (FAILED(result)) throw std::runtime_error(std::string("screenshot: ") + what + " failed");
}

class ComScope {
public:
    ComScope() { Check(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), "CoInitializeEx"); }
    ~ComScope() { CoUninitialize(); }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
};

struct ScreenDcRelease {
    void operator()(HDC dc) const { ReleaseDC(nullptr, dc); }
};
struct DcDelete {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct ObjectDelete {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};

// A copy of a screen area in 32-bit BGR rows, top row first.
class ScreenCopy {
public:
    explicit ScreenCopy(const RECT& area) : width_(area.right - area.left), height_(area.bottom - area.top) {
        std::unique_ptr<HDC__, ScreenDcRelease> screen(GetDC(nullptr));
        std::unique_ptr<HDC__, DcDelete> memory(CreateCompatibleDC(screen.get()));
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_.reset(CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
        if (!bitmap_) throw std::runtime_error("screenshot: no bitmap");
        HGDIOBJ old = SelectObject(memory.get(), bitmap_.get());
        const BOOL copied = BitBlt(memory.get(), 0, 0, width_, height_, screen.get(), area.left, area.top, SRCCOPY);
        SelectObject(memory.get(), old);
        if (!copied) throw std::runtime_error("screenshot: the screen could not be read");
    }

    UINT Width() const { return static_cast<UINT>(width_); }
    UINT Height() const { return static_cast<UINT>(height_); }
    BYTE* Bits() const { return static_cast<BYTE*>(bits_); }

private:
    int width_, height_;
    std::unique_ptr<HBITMAP__, ObjectDelete> bitmap_;
    void* bits_ = nullptr;
};

std::wstring Wide(const std::string& s) { return std::wstring(s.begin(), s.end()); }

void SavePng(const ScreenCopy& picture, const std::string& path) {
    ComScope com;
    ComPtr<IWICImagingFactory> factory;
    Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory)),
          "the imaging factory");
    ComPtr<IWICStream> stream;
    Check(factory->CreateStream(&stream), "CreateStream");
    Check(stream->InitializeFromFilename(Wide(path).c_str(), GENERIC_WRITE), ("creating " + path).c_str());
    ComPtr<IWICBitmapEncoder> encoder;
    Check(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder), "the PNG encoder");
    Check(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache), "encoder Initialize");
    ComPtr<IWICBitmapFrameEncode> frame;
    ComPtr<IPropertyBag2> options;
    Check(encoder->CreateNewFrame(&frame, &options), "CreateNewFrame");
    Check(frame->Initialize(options.Get()), "frame Initialize");
    Check(frame->SetSize(picture.Width(), picture.Height()), "SetSize");
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
    Check(frame->SetPixelFormat(&format), "SetPixelFormat");
    if (!IsEqualGUID(format, GUID_WICPixelFormat32bppBGR)) throw std::runtime_error("screenshot: pixel format refused");
    const UINT stride = picture.Width() * 4;
    Check(frame->WritePixels(picture.Height(), stride, stride * picture.Height(), picture.Bits()), "WritePixels");
    Check(frame->Commit(), "frame Commit");
    Check(encoder->Commit(), "encoder Commit");
}

}  // namespace

std::string ScreenshotFolder() {
    const char* folder = std::getenv("KV_SCREENS");
    return folder ? folder : "";
}

void Screenshot(const std::string& name, const std::vector<Window>& windows) {
    const std::string folder = ScreenshotFolder();
    if (folder.empty() || windows.empty()) return;
    SetForegroundWindow(windows.back().Handle());
    RECT area = windows.front().ScreenRect();
    for (const Window& w : windows) {
        RedrawWindow(w.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        RECT r = w.ScreenRect();
        area = {std::min(area.left, r.left), std::min(area.top, r.top), std::max(area.right, r.right),
                std::max(area.bottom, r.bottom)};
    }
    // A maximised window's frame lies beyond the screen's edges.
    area = {std::max(area.left, 0L), std::max(area.top, 0L), std::min(area.right, LONG(GetSystemMetrics(SM_CXSCREEN))),
            std::min(area.bottom, LONG(GetSystemMetrics(SM_CYSCREEN)))};
    // The X server draws what the programs painted a moment later.
    Sleep(300);
    SavePng(ScreenCopy(area), folder + "\\" + name + ".png");
}

}  // namespace e2e
