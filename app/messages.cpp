#include "messages.h"

#include <cctype>
#include <cstdlib>

#include "draw_calendar.h"
#include "draw_number.h"
#include "text_encoding.h"

namespace drawchk {
namespace {

// "a" or "az" before a number written in digits, as the number is read out: "az" before
// one that starts with a vowel (egy, öt, ezer, egymillió...).
std::string WithArticle(std::int64_t number) {
    const std::string digits = std::to_string(number);
    const bool vowel = digits.front() == '5' || (digits.front() == '1' && digits.size() % 3 == 1);
    return (vowel ? "az " : "a ") + digits;
}

// A draw this near the one of its place is a line missing, doubled or swapped.
constexpr std::int64_t kNearDraws = 5;
// A quoted text is cut to this many characters, so a line stays readable.
constexpr std::size_t kQuotedCharacters = 32;

// `text`, fit to be shown, in Hungarian quotes; cut short with an ellipsis where it is long.
std::string Quoted(std::string_view text) {
    std::string shown = ShownText(text);
    std::size_t characters = 0;
    for (std::size_t at = 0; at < shown.size(); ++at) {
        const bool starts_character = (static_cast<unsigned char>(shown[at]) & 0xC0) != 0x80;
        if (starts_character && ++characters > kQuotedCharacters) {
            shown.resize(at);
            shown += "…";
            break;
        }
    }
    return "„" + shown + "”";
}

std::string FileName(const std::filesystem::path& path) {
    return ShownText(PathText(path.filename()));
}

// "„a”", "„a” és „b”", "„a”, „b” és „c”".
std::string QuotedNames(std::span<const MisnamedFile> files) {
    std::string names;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (i > 0) names += i + 1 == files.size() ? " és " : ", ";
        names += Quoted(files[i].name);
    }
    return names;
}

// What is wrong with a list's first faulty line.
std::string LineFaultWords(std::string_view list, const ListedFaults& faults) {
    const ListedEntry& where = faults.first_entry;
    std::string words = "A " + std::string(list) + " " + std::to_string(where.line) + ". sora (" +
                        Quoted(where.text) + ") ";
    switch (faults.first->kind) {
        case ListedLine::kBeforeFirstDraw:
            words += "az első dátumozott húzás (2011-08-25) előtti napot ad meg";
            break;
        case ListedLine::kDayFirst:
            words += "sem 5000 utáni húzásszám, sem dátum; a dátumot így írja: " +
                     DateText(faults.first->day);
            break;
        default:
            words += "sem 5000 utáni húzásszám, sem dátum";
            break;
    }
    if (faults.more > 0) words += " (és még " + std::to_string(faults.more) + " hibás sor)";
    return words + ".";
}

// A date with the suffix Hungarian gives "on" a day, as the day's ordinal is read out:
// 2026-03-01-jén (elsején), 2026-03-15-én (tizenötödikén), 2026-03-16-án (tizenhatodikán).
std::string OnDay(std::chrono::year_month_day date) {
    const auto day = static_cast<unsigned>(date.day());
    // The ordinals that end in a back vowel: második, harmadik, hatodik, nyolcadik,
    // huszadik, harmincadik, and those ending in them (but tizenkettedik, huszonkettedik).
    const unsigned last = day % 10;
    const bool back = day == 2 || day == 20 || day == 30 || last == 3 || last == 6 || last == 8;
    return DateText(date) + (day == 1 ? "-jén" : back ? "-án" : "-én");
}

}  // namespace

std::string LineDatesWords(const LineDatesFinding& finding) {
    switch (finding.kind) {
        case LineDatesFinding::kUnknownDays: {
            std::string days;
            const std::size_t count = finding.unknown_days.size();
            for (std::size_t i = 0; i < count; ++i) {
                if (i > 0) days += i + 1 == count ? " és " : ", ";
                days += OnDay(finding.unknown_days[i]);
            }
            return days + " nem volt húzás, a program nem tudott " +
                   (count > 1 ? "róluk: vegye fel őket" : "róla: vegye fel") +
                   " a szunnapok.txt fájlba.";
        }
        case LineDatesFinding::kWronglyListed: {
            const ListedEntry& entry = finding.wrongly_listed;
            return "A " + entry.list + " " + std::to_string(entry.line) + ". sora (" +
                   Quoted(entry.text) +
                   ") húzás nélküli napot ad meg, de a keno.old dátumai szerint nem volt ilyen "
                   "nap: törölje ezt a sort.";
        }
        case LineDatesFinding::kNone:
            break;
    }
    return {};
}

std::string RestDayListWords(const RestDayListReport& list) {
    using Read = RestDayListReport::Read;
    const std::string name = FileName(list.path);
    switch (list.read) {
        case Read::kFolder:
            return "A " + name + " nem olvasható: ez egy mappa, nem fájl.";
        case Read::kNoPermission:
            return "A " + name + " nem olvasható: nincs jogosultsága az olvasásához.";
        case Read::kDanglingLink:
            return "A " + name + " hivatkozás, de nem létező fájlra mutat: " + list.link_target +
                   ".";
        case Read::kBusy:
            return "A " + name + " fájlt egy másik program használja; próbálja meg később újra.";
        case Read::kUnreadable:
            return "A " + name + " nem olvasható.";
        case Read::kChanging:
            return "A " + name + " olvasás közben megváltozott; próbálja meg később újra.";
        case Read::kRead:
            break;
    }
    return list.faults.first ? LineFaultWords(name, list.faults) : std::string();
}

std::string MisnamedWords(std::string_view wanted, std::span<const MisnamedFile> files) {
    if (files.empty()) return {};
    const std::string name(wanted);
    if (files.size() == 1 && files.front().kind == MisnamedFile::kNotPlainText) {
        return "Nincs " + name + ", de van " + Quoted(files.front().name) +
               ": mentse el egyszerű szövegként, " + name + " néven.";
    }
    return "Nincs " + name + ", de van " + QuotedNames(files) + ": nevezze át " +
           (files.size() > 1 ? "a megfelelőt " : "") + name + " névre.";
}

std::string FolderGoneWords(const std::filesystem::path& folder) {
    return "A program mappája (" + ShownText(PathText(folder)) +
           ") már nincs meg: átnevezték, áthelyezték vagy törölték. Ha visszakerül, az ablak "
           "újra ellenőriz.";
}

std::string DanglingDrawFileWords(std::string_view target) {
    return "A keno.old hivatkozás, de nem létező fájlra mutat: " + std::string(target) + ".";
}

std::string ListHint::Text() const {
    switch (kind) {
        case kNoDrawFile:
            return "Nincs keno.old a program mappájában.";
        case kUnreadableDrawFile:
            return "A keno.old nem olvasható.";
        case kBusyDrawFile:
            return "A keno.old-ot egy másik program használja; próbálja meg később újra.";
        case kChangingDrawFile:
            return "A keno.old olvasás közben megváltozott; próbálja meg később újra.";
        case kNoDrawAfterHistory:
            return "A keno.old első 5000 sora után nincs húzás.";
        case kUnknownFolder:
            return "A program mappája nem állapítható meg.";
        case kReadPartly:
            return "A keno.old nem olvasható végig.";
        case kMisnamedDrawFile:
        case kDanglingDrawFileLink:
        case kRestDayList:
        case kLineDates:
            return words;
        case kNewestDrawOld:
            // As short as the band allows: the day to list goes in as an example.
            return "A legutolsó sor " + std::to_string(days_old) +
                   " napos. Szünnap? szunnapok.txt: " +
                   (example_rest_day ? DateText(*example_rest_day) : "ÉÉÉÉ-HH-NN");
        case kNewestDrawAfterToday:
            return "A legutolsó sor dátuma jövőbeli: téves szünnap, előre írt sor, rossz óra?";
        case kNone:
            break;
    }
    return {};
}

std::string BreakLine(const FileBreak& at, bool at_end) {
    const std::string expected = WithArticle(at.expected_draw);
    if (at.text.empty() && at_end) {
        return "drawchk: a keno.old üres sorral végződik: törölje az utolsó, üres sort.\n";
    }
    // A number is named only where it lies near the draw that belongs there, a line missing,
    // doubled or swapped; any other is no draw number, and what stands there is quoted.
    const std::string_view number = DrawNumberText(at.text);
    const bool a_number =
        !number.empty() && number.find_first_not_of("0123456789") == std::string_view::npos;
    if (!a_number || std::abs(at.draw - at.expected_draw) > kNearDraws) {
        return "drawchk: hiba a keno.old-ban " + expected + ". húzás helyén: az ott álló sor" +
               (at.text.empty() ? "" : " (" + Quoted(at.text) + ")") + " nem húzás" +
               (at.text.empty() ? " (például üres sor)" : "") + ".\n";
    }
    return "drawchk: hiba a keno.old-ban " + WithArticle(at.draw) + ". húzásnál: ezen a helyen " +
           expected + ". húzásnak kellene állnia.\n";
}

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
    std::string line = "drawchk: az eredmény nem írható ide: " + ShownText(PathText(path));
    for (const auto& [failure, words] : kWhy) {
        if (failure == why) line += " (" + std::string(words) + ")";
    }
    return line + (earlier ? "; a korábbi Drawchk.txt megmaradt" : "") + ".\n";
}

std::string NewestDrawLine(std::int64_t draw, std::chrono::year_month_day date, int days_old,
                           std::optional<std::chrono::year_month_day> example) {
    std::string line = "drawchk: a legutolsó sor, " + WithArticle(draw) + ". húzás dátuma " +
                       DateText(date) + ", ";
    if (days_old < 0) {
        return line +
               "ez későbbi a mai napnál: vagy a szunnapok.txt olyan napot sorol fel, amelyen volt "
               "húzás, vagy olyan húzást, amely előtt nem volt szünnap, vagy a keno.old még meg "
               "nem tartott húzásokat is tartalmaz, vagy rosszul jár a számítógép órája.\n";
    }
    return line + "ez " + std::to_string(days_old) +
           " napja volt: vagy hiányoznak húzások a keno.old végéről (pótolja őket), vagy volt "
           "egy húzás nélküli nap, amelyet a program nem ismer: vegye fel a dátumát a "
           "szunnapok.txt fájlba, például így: " +
           (example ? DateText(*example) : "ÉÉÉÉ-HH-NN") + ".\n";
}

std::string BadTodayLine(std::string_view given) {
    return "drawchk: a DRAWCHK_TODAY értéke (" + Quoted(given) +
           ") nem ÉÉÉÉ-HH-NN alakú, létező dátum; a program most nem veti össze a legutolsó "
           "sort a mai dátummal.\n";
}

std::string WindowNotOpenedLine(std::string_view why) {
    return "drawchk: az ablak nem nyitható meg: " + std::string(why) + "\n";
}

std::string NoWindowModuleIn(std::string_view module, std::string_view folders) {
    return "ennek a programnak a " + std::string(module) +
           " fájlja nincs itt: " + std::string(folders);
}

std::string NoWindowInModule(std::string_view module) {
    return "a " + std::string(module) + " fájlban nincs ablak";
}

std::string WindowModuleNotLoaded(std::string_view module, std::string_view loader_error) {
    const std::string name(module);
    const std::size_t colon = loader_error.find(':');
    const std::string_view library = loader_error.substr(0, colon);
    if (loader_error.find("cannot open shared object file") != std::string_view::npos &&
        !library.ends_with(module)) {
        // Debian names a library's package after its name and version: libQt6Widgets.so.6 is
        // in libqt6widgets6, libxkbcommon-x11.so.0 in libxkbcommon-x11-0.
        const std::size_t so = library.find(".so.");
        std::string package(library.substr(0, so));
        for (char& c : package) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (!package.empty() && std::isdigit(static_cast<unsigned char>(package.back()))) {
            package += '-';
        }
        if (so != std::string_view::npos) package += library.substr(so + 4);
        return "hiányzik a " + ShownText(library) +
               " programkönyvtár; Debianon és Ubuntun így telepíthető: sudo apt install " +
               ShownText(package);
    }
    if (loader_error.find("version `Qt_") != std::string_view::npos) {
        return "a gépen lévő Qt túl régi a " + name +
               " fájlnak; Qt 6.4 vagy újabb kell (Debianon: sudo apt install libqt6widgets6)";
    }
    // The loader's words about the module file itself: too short, no ELF, another machine's.
    if (library.ends_with(module)) {
        return "a " + name +
               " fájl sérült, vagy nem ehhez a géphez készült: töltse le újra a programot";
    }
    return "a " + name + " fájl nem tölthető be";
}

}  // namespace drawchk
