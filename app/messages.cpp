#include "messages.h"

#include <cctype>

#include "draw_calendar.h"

namespace drawchk {
namespace {

// "a" or "az" before a number written in digits, as the number is read out: "az" before
// one that starts with a vowel (egy, öt, ezer, egymillió...).
std::string WithArticle(std::int64_t number) {
    const std::string digits = std::to_string(number);
    const bool vowel = digits.front() == '5' || (digits.front() == '1' && digits.size() % 3 == 1);
    return (vowel ? "az " : "a ") + digits;
}

}  // namespace

std::string ListHint::Text() const {
    switch (kind) {
        case kNoDrawFile:
            return "Nincs keno.old a program mappájában.";
        case kMisnamedDrawFile:
            return "Nincs keno.old, de van „" + other_name + "”: nevezze át keno.old névre.";
        case kUnreadableDrawFile:
            return "A keno.old nem olvasható.";
        case kBusyDrawFile:
            return "A keno.old-ot egy másik program használja; próbálja újra.";
        case kNoDrawAfterHistory:
            return "A keno.old első 5000 sora után nincs húzás.";
        case kUnknownFolder:
            return "A program mappája nem állapítható meg.";
        case kReadPartly:
            return "A keno.old nem olvasható végig.";
        case kNewestDrawOld:
            return "A legújabb húzás " + std::to_string(days_old) +
                   " napja volt: hiányzó húzás vagy szünnap?";
        case kNewestDrawAfterToday:
            return "A legújabb sor a jövőbe esik: téves szünnap, előre írt sor, rossz óra?";
        case kNone:
            break;
    }
    return {};
}

std::string BreakLine(const FileBreak& at, bool at_end) {
    const std::string expected = WithArticle(at.expected_draw);
    if (at.number_text.empty() && at_end) {
        return "drawchk: a keno.old üres sorral végződik: törölje az utolsó, üres sort.\n";
    }
    const bool a_number = at.number_text.find_first_not_of("0123456789 ") == std::string::npos;
    if (at.draw == 0 || !a_number) {
        std::string shown;
        for (const char c : at.number_text) shown.push_back(c >= ' ' && c < 0x7F ? c : '?');
        return "drawchk: hiba a keno.old-ban " + expected + ". húzás helyén: az ott álló sor" +
               (shown.empty() ? "" : " („" + shown + "”)") + " nem húzás" +
               (shown.empty() ? " (például üres sor)" : "") + ".\n";
    }
    return "drawchk: hiba a keno.old-ban " + WithArticle(at.draw) + ". húzásnál: ezen a helyen " +
           expected + ". húzásnak kellene állnia.\n";
}

std::string HintLine(const ListHint& hint) {
    std::string text = hint.Text();
    // After "drawchk: " a line goes on in lower case.
    if (!text.empty()) {
        text.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(text.front())));
    }
    return "drawchk: " + text + "\n";
}

std::string ResultNotWrittenLine(std::string_view path) {
    return "drawchk: az eredmény nem írható ide: " + std::string(path) +
           "; a korábbi Drawchk.txt megmaradt.\n";
}

std::string NewestDrawLine(std::int64_t draw, std::chrono::year_month_day date, int days_old) {
    std::string line =
        "drawchk: a legújabb sor, " + WithArticle(draw) + ". húzás dátuma " + DateText(date) + ", ";
    if (days_old < 0) {
        return line +
               "ez a mai nap utáni: vagy a szunnapok.txt olyan húzást sorol fel, amely előtt nem "
               "volt szünnap, vagy a keno.old még meg nem tartott húzásokat is tartalmaz, vagy "
               "rossz a számítógép órája.\n";
    }
    return line + "ez " + std::to_string(days_old) +
           " napja volt: vagy hiányoznak húzások a keno.old végéről (pótolja őket), vagy volt "
           "egy szünnap, amelyet a program nem ismer (írja be a szunnapok.txt-be).\n";
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

}  // namespace drawchk
