#include "wording.h"

namespace drawchk {

// Explorer hides a known extension, so "keno.old.txt" shows as "keno.old" until it is told not
// to: on Windows 10 in the View tab, on Windows 11 under View, Show.
std::string_view HiddenExtensionsTip() {
    return " A teljes nevet a Fájlkezelő mutatja, ha a Nézet lapon (Windows 11-en: Nézet, "
           "Megjelenítés) bekapcsolja a „Fájlnévkiterjesztések” lehetőséget.";
}

}  // namespace drawchk
