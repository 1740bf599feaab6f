#include "editor/win32/menuprops/PhotoFile.h"

#include <windows.h>
#include <wincodec.h>

#include <cstdio>
#include <cstring>

#include "editor/logic/StoredPicture.h"
#include "forms/portable/PictureFile.h"
#include "shared/UBmpArray.h"

namespace {

// Releases a COM interface when it goes out of scope.
template <class T>
struct ComRef {
    T* p = nullptr;
    ~ComRef() {
        if (p) p->Release();
    }
    T** operator&() { return &p; }
    T* operator->() const { return p; }
};

bool StartsWithGif(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    char head[4] = {};
    const size_t n = std::fread(head, 1, 4, f);
    std::fclose(f);
    return n == 4 && std::memcmp(head, "GIF8", 4) == 0;
}

// The first frame of a GIF as 32-bit blue-low pixels, through WIC.
bool LoadGif(const std::string& path, forms::Bitmap& out) {
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    bool ok = false;
    {
        ComRef<IWICImagingFactory> factory;
        ComRef<IWICBitmapDecoder> decoder;
        ComRef<IWICBitmapFrameDecode> frame;
        ComRef<IWICFormatConverter> converter;
        const int wideLength = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
        std::wstring wide(static_cast<size_t>(wideLength > 0 ? wideLength : 1), L'\0');
        MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), wideLength);
        UINT width = 0, height = 0;
        if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) &&
            SUCCEEDED(factory->CreateDecoderFromFilename(wide.c_str(), nullptr, GENERIC_READ,
                                                         WICDecodeMetadataCacheOnDemand, &decoder)) &&
            SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(frame->GetSize(&width, &height)) &&
            width > 0 && height > 0 && width <= static_cast<UINT>(kMaxPictureSide) &&
            height <= static_cast<UINT>(kMaxPictureSide) &&
            static_cast<int64_t>(width) * height <= kMaxPicturePixels &&
            SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
            SUCCEEDED(converter->Initialize(frame.p, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone,
                                            nullptr, 0.0, WICBitmapPaletteTypeCustom))) {
            forms::Bitmap bmp(static_cast<int>(width), static_cast<int>(height));
            if (SUCCEEDED(converter->CopyPixels(nullptr, width * 4, width * height * 4,
                                                reinterpret_cast<BYTE*>(bmp.Data())))) {
                for (size_t i = 0; i < bmp.PixelCount(); ++i) bmp.Data()[i] |= 0xFF000000u;
                out = std::move(bmp);
                ok = true;
            }
        }
    }
    if (SUCCEEDED(init)) CoUninitialize();
    return ok;
}

}  // namespace

bool LoadPhotoFile(const std::string& path, forms::Bitmap& out) {
    forms::Bitmap photo;
    if (!forms::LoadPictureFile(path, photo) && !(StartsWithGif(path) && LoadGif(path, photo))) return false;
    editor::UseStoredPixelLayout(photo);
    out = std::move(photo);
    return true;
}
