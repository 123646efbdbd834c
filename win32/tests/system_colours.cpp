// Reads or sets the system colours of the list and the buttons, as a change of theme does,
// so every window hears of it (WM_SYSCOLORCHANGE). Colours are RRGGBB in hexadecimal.
// Usage: system_colours.exe                                   prints them
//        system_colours.exe WINDOW WINDOWTEXT BTNFACE BTNTEXT sets them
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <iterator>

int wmain(int argc, wchar_t** argv) {
    const int elements[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE, COLOR_BTNTEXT};
    constexpr int kCount = static_cast<int>(std::size(elements));
    if (argc == 1) {
        for (const int element : elements) {
            const COLORREF colour = GetSysColor(element);
            std::printf("%02X%02X%02X ", GetRValue(colour), GetGValue(colour), GetBValue(colour));
        }
        std::printf("\n");
        return 0;
    }
    if (argc != kCount + 1) return 2;
    COLORREF colours[kCount];
    for (int i = 0; i < kCount; ++i) {
        const unsigned long rgb = std::wcstoul(argv[i + 1], nullptr, 16);
        colours[i] = RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    }
    return SetSysColors(kCount, elements, colours) ? 0 : 1;
}
