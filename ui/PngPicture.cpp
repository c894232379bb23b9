#include "ui/PngPicture.h"

// Defines the imaging component's identifiers in this file, the one that uses them.
#include <initguid.h>
#include <wincodec.h>

#include "audio/ComReference_win32.h"

BITMAPINFO topDownPicture(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

HBITMAP createPicture(int width, int height, BYTE** bits) {
  if (width <= 0 || height <= 0) return nullptr;
  BITMAPINFO info = topDownPicture(width, height);
  void* pixels = nullptr;
  HBITMAP picture = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  *bits = static_cast<BYTE*>(pixels);
  return picture;
}

namespace {
HBITMAP decode(IWICImagingFactory* factory, BYTE* data, DWORD size) {
  ComReference<IWICStream> stream;
  if (FAILED(factory->CreateStream(stream.put())) || FAILED(stream->InitializeFromMemory(data, size))) return nullptr;
  ComReference<IWICBitmapDecoder> decoder;
  if (FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand, decoder.put()))) {
    return nullptr;
  }
  ComReference<IWICBitmapFrameDecode> frame;
  if (FAILED(decoder->GetFrame(0, frame.put()))) return nullptr;
  ComReference<IWICFormatConverter> converter;
  if (FAILED(factory->CreateFormatConverter(converter.put())) ||
      FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat24bppBGR, WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom))) {
    return nullptr;
  }
  UINT width = 0;
  UINT height = 0;
  if (FAILED(converter->GetSize(&width, &height)) || !width || !height || width > 4096 || height > 4096) return nullptr;
  BYTE* bits = nullptr;
  HBITMAP picture = createPicture(static_cast<int>(width), static_cast<int>(height), &bits);
  if (!picture) return nullptr;
  const UINT stride = (width * 3 + 3) & ~3u;
  if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, bits))) {
    DeleteObject(picture);
    return nullptr;
  }
  GdiFlush();
  return picture;
}
}  // namespace

HBITMAP PngPicture::load(HINSTANCE instance, int resourceId) {
  HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(10));
  HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
  auto* data = static_cast<BYTE*>(loaded ? LockResource(loaded) : nullptr);
  const DWORD size = found ? SizeofResource(instance, found) : 0;
  if (!data || !size) return nullptr;
  // The first version of the factory: the later one is missing from Windows 7 without its platform update.
  ComReference<IWICImagingFactory> factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory1, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                              reinterpret_cast<void**>(factory.put())))) {
    return nullptr;
  }
  return decode(factory.get(), data, size);
}
