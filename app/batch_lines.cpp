// The lines batch mode, and the program's start, write on stderr.
#include <cctype>

#include "draw_calendar.h"
#include "draw_number.h"
#include "messages.h"
#include "text_encoding.h"
#include "wording.h"

namespace drawchk {
namespace {

// The Debian package a library is in, named after the library and its version:
// libQt6Widgets.so.6 is in libqt6widgets6, libxkbcommon-x11.so.0 in libxkbcommon-x11-0.
std::string DebianPackageOf(std::string_view library) {
    const std::size_t so = library.find(".so.");
    std::string package(library.substr(0, so));
    for (char& c : package) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (!package.empty() && std::isdigit(static_cast<unsigned char>(package.back()))) {
        package += '-';
    }
    if (so != std::string_view::npos) package += library.substr(so + 4);
    return package;
}

}  // namespace

std::string HintLine(const ListHint& hint, bool empty_result) {
    std::string text = hint.Text();
    if (empty_result && text.ends_with('.')) {
        text.insert(text.size() - 1, "; a Drawchk.txt most egy üres sort tartalmaz");
    }
    // After "drawchk: " a line goes on in lower case.
    if (!text.empty()) {
        text.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(text.front())));
    }
    return "drawchk: " + text + "\n";
}

std::string MoreListsLine(int more) {
    return "drawchk: további " + std::to_string(more) + " szünnaplista is hibás.\n";
}

std::string ResultNotWrittenLine(const std::filesystem::path& path, WriteFailure why,
                                 bool earlier) {
    static constexpr std::pair<WriteFailure, std::string_view> kWhy[] = {
        {WriteFailure::kNoPermission, "nincs joga írni a mappába"},
        {WriteFailure::kReadOnly, "a meghajtó csak olvasható"},
        {WriteFailure::kDiskFull, "megtelt a lemez"},
        {WriteFailure::kTooBig, "a megengedett fájlméret kevés hozzá"},
        {WriteFailure::kFolderInTheWay, "ilyen nevű mappa áll a helyén"},
        {WriteFailure::kHeld, "egy másik program használja"},
    };
    std::string line = "drawchk: az eredmény nem írható ide: " + QuotedPath(PathText(path));
    for (const auto& [failure, words] : kWhy) {
        if (failure == why) line += " (" + std::string(words) + ")";
    }
    return line + (earlier ? "; a korábbi Drawchk.txt megmaradt" : "") + ".\n";
}

std::string NewestDrawLine(std::int64_t draw, std::chrono::year_month_day date, bool own_date,
                           int days_old, std::optional<std::chrono::year_month_day> example) {
    const std::string line = "drawchk: a legutolsó sor (" + WithArticle(draw) + ". húzás) " +
                             (own_date ? "dátuma a keno.old sorai szerint " : "dátuma ") +
                             DateText(date) + ", ";
    if (days_old < 0) {
        return line +
               "ez a mai nap utáni. Nézze meg, hogy a szunnapok.txt nem sorol-e fel olyan napot, "
               "amelyen volt húzás, hogy a keno.old végén nincs-e még meg nem tartott húzás, és "
               "hogy jól jár-e a számítógép órája.\n";
    }
    return line + "ez " + std::to_string(days_old) +
           " napja volt. Ha húzások hiányoznak a keno.old végéről, pótolja őket; ha szünnap "
           "volt, amelyet a program nem ismer, írja be a dátumát a szunnapok.txt-be (pl. " +
           (example ? DateText(*example) : "ÉÉÉÉ-HH-NN") + ").\n";
}

std::string BadTodayLine(std::string_view given) {
    return "drawchk: a DRAWCHK_TODAY értéke (" + Quoted(given) +
           ") nem ÉÉÉÉ-HH-NN alakú, létező dátum; a program most nem veti össze a legutolsó "
           "sort a mai dátummal.\n";
}

std::string WindowNotOpenedLine(std::string_view why) {
    return "drawchk: az ablak nem nyitható meg: " + std::string(why) + ".\n";
}

std::string NoWindowModuleIn(std::string_view module, std::string_view folders) {
    return "a program ablaka (" + std::string(module) + ") nincs a program mellett (" +
           QuotedPath(folders) +
           "): tegye a két fájlt egy mappába, vagy töltse le újra a programot";
}

std::string NoWindowInModule(std::string_view module) {
    return "ez a fájl nem a Drawchk ablaka (" + QuotedPath(module) +
           "): töltse le újra a programot";
}

std::string WindowModuleNotLoaded(std::string_view module, std::string_view loader_error) {
    const std::string name(module);
    const std::string_view library = loader_error.substr(0, loader_error.find(':'));
    if (loader_error.find("cannot open shared object file") != std::string_view::npos &&
        !library.ends_with(module)) {
        return "hiányzik a " + ShownText(library) +
               " programkönyvtár; Debianon és Ubuntun így telepíthető: sudo apt install " +
               ShownText(DebianPackageOf(library));
    }
    if (loader_error.find("version `Qt_") != std::string_view::npos) {
        return "a gépen lévő Qt túl régi a " + name +
               "-hoz; Qt 6.4 vagy újabb kell (Debianon: sudo apt install libqt6widgets6)";
    }
    // The loader's words about the module file itself: too short, no ELF, another machine's.
    if (library.ends_with(module)) {
        return "a " + name +
               " fájl sérült, vagy nem ehhez a géphez készült: töltse le újra a programot";
    }
    return "a " + name + " fájl nem tölthető be: töltse le újra a programot";
}

}  // namespace drawchk
