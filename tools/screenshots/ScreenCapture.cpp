#include "tools/screenshots/ScreenCapture.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace screenshots {

namespace {

// Bottom-up rows of 24-bit pixels, each padded to four bytes, as a .bmp stores them.
std::vector<unsigned char> grab(const RECT& area, BITMAPINFOHEADER& header) {
    header = {};
    header.biSize = sizeof header;
    header.biWidth = area.right - area.left;
    header.biHeight = area.bottom - area.top;
    header.biPlanes = 1;
    header.biBitCount = 24;
    std::vector<unsigned char> pixels;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        if (BitBlt(memory, 0, 0, header.biWidth, header.biHeight, screen, area.left, area.top, SRCCOPY)) {
            GdiFlush();
            const size_t size = ((header.biWidth * 3 + 3) & ~3) * static_cast<size_t>(header.biHeight);
            pixels.assign(static_cast<unsigned char*>(bits), static_cast<unsigned char*>(bits) + size);
        }
        SelectObject(memory, previous);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

bool save(const std::string& path, const BITMAPINFOHEADER& header, const std::vector<unsigned char>& pixels) {
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) return false;
    const bool written = std::fwrite(&file, sizeof file, 1, out) == 1 && std::fwrite(&header, sizeof header, 1, out) == 1 &&
                         std::fwrite(pixels.data(), pixels.size(), 1, out) == 1;
    return std::fclose(out) == 0 && written;
}

}  // namespace

bool captureWindow(HWND window, const std::string& path) {
    RECT area = {};
    if (!GetWindowRect(window, &area)) return false;
    BITMAPINFOHEADER header = {};
    std::vector<unsigned char> previous = grab(area, header);
    for (int attempt = 0; attempt < 50; ++attempt) {
        Sleep(100);
        std::vector<unsigned char> current = grab(area, header);
        const bool blank = current.empty() || std::all_of(current.begin(), current.end(),
                                                           [&](unsigned char byte) { return byte == current[0]; });
        if (!blank && current == previous) return save(path, header, current);
        previous.swap(current);
    }
    return false;
}

}  // namespace screenshots
