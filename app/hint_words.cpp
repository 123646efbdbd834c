// The words the list shows besides its rows, which batch mode's lines take too.
#include <utility>
#include <vector>

#include "draw_calendar.h"
#include "messages.h"
#include "text_encoding.h"
#include "wording.h"

namespace drawchk {
namespace {

// A listed line by its list and number, with its text: "a szunnapok.txt 2. sora („2025-11-11”)".
std::string ListedLineName(const ListedEntry& entry) {
    return "a " + entry.list + " " + std::to_string(entry.line) + ". sora (" + Quoted(entry.text) +
           ")";
}

// What is wrong with a list's first faulty line, and what to do.
std::string LineFaultWords(std::string_view list, const ListedFaults& faults) {
    const ListedEntry& where = faults.first_entry;
    std::string words = "A " + std::string(list) + " " + std::to_string(where.line) + ". sora (" +
                        Quoted(where.text) + ") ";
    switch (faults.first->kind) {
        case ListedLine::kBeforeFirstDraw:
            words += "a program első napja (2011-08-25) előtti napot ad meg";
            break;
        case ListedLine::kDayFirst:
            words += "sem dátum, sem 5000-nél nagyobb húzásszám; a dátumot így írja: " +
                     DateText(faults.first->day);
            break;
        default:
            words += "sem dátum, sem 5000-nél nagyobb húzásszám";
            break;
    }
    if (faults.more > 0) words += " (további " + std::to_string(faults.more) + " sor is hibás)";
    return words + ". Javítsa ki vagy törölje a sort.";
}

// What a wrongly listed line claims, which the draw file's own dates deny.
std::string WronglyListedClaim(const ListedEntry& entry) {
    if (entry.day) {
        const std::chrono::year_month_day day{std::chrono::sys_days{std::chrono::days{*entry.day}}};
        return "szerint " + OnDay(day) + " nem volt húzás, de a keno.old sorai szerint volt";
    }
    return "szerint " + WithArticle(entry.draw) +
           ". húzás előtt szünnap volt, de a keno.old sorai szerint nem volt";
}

}  // namespace

std::vector<std::string> LineDatesSentences(const LineDatesFinding& finding) {
    std::vector<std::string> sentences;
    if (!finding.unknown_days.empty()) {
        std::vector<std::string> days;
        for (const auto day : finding.unknown_days) days.push_back(OnDay(day));
        const bool one = days.size() == 1;
        sentences.push_back(Bounded(days, " napon") +
                            " nem volt húzás, de a program ezt nem tudta: írja be " +
                            (one ? "a dátumát" : "a dátumukat") + " a szunnapok.txt-be.");
    }
    if (finding.wrongly_listed.size() == 1) {
        const ListedEntry& entry = finding.wrongly_listed.front();
        sentences.push_back(Capitalized(ListedLineName(entry)) + " " + WronglyListedClaim(entry) +
                            ": törölje ezt a sort.");
    } else if (!finding.wrongly_listed.empty()) {
        std::vector<std::string> lines;
        for (const ListedEntry& entry : finding.wrongly_listed)
            lines.push_back(ListedLineName(entry));
        sentences.push_back(Capitalized(Bounded(lines, " sor")) +
                            " szünnapot ad meg, de a keno.old sorai szerint nem volt szünnap: "
                            "törölje ezeket a sorokat.");
    }
    if (const std::optional<DoubtedLine>& doubted = finding.doubted) {
        std::string sentence =
            "A keno.old " + std::to_string(doubted->draw) + ". húzásának sorában álló dátum (" +
            DateText(doubted->own_date) +
            ") nem illik a többi sor dátumához: " + DateText(doubted->expected_date) +
            " kellene. Ellenőrizze a sort.";
        if (finding.more_doubted > 0) {
            sentence +=
                " (További " + std::to_string(finding.more_doubted) + " sor dátuma is eltér.)";
        }
        sentences.push_back(std::move(sentence));
    }
    return sentences;
}

std::string BreakWords(const FileBreak& at, bool at_end) {
    if (at.text.empty() && at_end) {
        return "A keno.old üres sorral végződik: törölje a fájl végéről az üres sort.";
    }
    const std::string expected = WithArticle(at.expected_draw);
    switch (at.What()) {
        case FileBreak::Kind::kDoubled:
            return "A keno.old-ban " + WithArticle(at.draw) +
                   ". húzás kétszer szerepel: törölje az egyiket.";
        case FileBreak::Kind::kMissing:
            if (at.Missing() == 1)
                return "A keno.old-ból hiányzik " + expected + ". húzás: pótolja.";
            return "A keno.old-ból hiányzik " + std::to_string(at.Missing()) + " húzás (" +
                   std::to_string(at.expected_draw) + "–" + std::to_string(at.draw - 1) +
                   ".): pótolja őket.";
        case FileBreak::Kind::kSwapped:
            return "A keno.old-ban " + WithArticle(at.draw) + ". és " + expected +
                   ". húzás helyet cserélt: tegye őket sorrendbe.";
        case FileBreak::Kind::kOutOfOrder:
            return "A keno.old-ban " + expected + ". húzás helyén " + WithArticle(at.draw) +
                   ". húzás áll: ellenőrizze ezt a sort és az előtte lévőket.";
        case FileBreak::Kind::kNotADraw:
            break;
    }
    if (at.text.empty()) {
        return "A keno.old-ban " + expected + ". húzás helyén üres sor áll: törölje.";
    }
    return "A keno.old-ban " + expected + ". húzás helyén álló sor (" + Quoted(at.text) +
           ") nem húzás: javítsa vagy törölje.";
}

std::string RestDayListWords(const RestDayListReport& list) {
    using Read = RestDayListReport::Read;
    const std::string name = FileName(list.path);
    switch (list.read) {
        case Read::kFolder:
            return "A " + name + " nem olvasható: ez egy mappa, nem fájl; nevezze át a mappát.";
        case Read::kNoPermission:
            return "A " + name + " nem olvasható: nincs joga olvasni.";
        case Read::kDanglingLink:
            return "A " + name + " hivatkozás, de nem létező fájlra mutat (" +
                   QuotedPath(list.link_target) + "): javítsa a hivatkozást.";
        case Read::kBusy:
            return "A " + name + " fájlt egy másik program használja; próbálja meg később újra.";
        case Read::kUnreadable:
            return "A " + name + " nem olvasható; próbálja meg később újra.";
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
    const bool extension_added = files.front().kind == MisnamedFile::kExtensionAdded;
    return "Nincs " + name + ", de van " + QuotedNames(files) + ": nevezze át " +
           (files.size() > 1 ? "a megfelelőt " : "") + name + " névre." +
           (extension_added ? std::string(HiddenExtensionsTip()) : std::string());
}

std::string FolderGoneWords(const std::filesystem::path& folder) {
    return "A program mappája (" + QuotedPath(PathText(folder)) +
           ") már nincs meg: átnevezték, áthelyezték vagy törölték. Ha visszakerül, az ablak "
           "újra ellenőriz.";
}

std::string DanglingDrawFileWords(std::string_view target) {
    return "A keno.old hivatkozás, de nem létező fájlra mutat (" + QuotedPath(target) +
           "): javítsa a hivatkozást, vagy tegye a helyére a fájlt.";
}

std::string ListHint::Text() const {
    static constexpr std::pair<Kind, std::string_view> kFixed[] = {
        {kNoDrawFile,
         "Nincs keno.old a program mappájában: tegye a keno.old fájlt a program mellé."},
        {kUnreadableDrawFile, "A keno.old nem olvasható; próbálja meg később újra."},
        {kBusyDrawFile, "A keno.old fájlt egy másik program használja; próbálja meg később újra."},
        {kChangingDrawFile, "A keno.old olvasás közben megváltozott; próbálja meg később újra."},
        {kNoDrawAfterHistory,
         "A keno.old csak a legrégebbi húzásokat tartalmazza, vagy üres: tegye a helyére a teljes "
         "fájlt."},
        {kUnknownFolder, "A program mappája nem állapítható meg."},
        {kReadPartly, "A keno.old nem olvasható végig; próbálja meg később újra."},
        {kNewestDrawAfterToday,
         "A legutolsó sor dátuma a mai nap utáni: nézze meg a szunnapok.txt-t, a keno.old végét "
         "és a gép óráját."},
    };
    for (const auto& [fixed, text] : kFixed) {
        if (kind == fixed) return std::string(text);
    }
    if (kind == kNewestDrawOld) {
        // Missing draws first, the likelier cause; the day to list is only an example.
        return "A legutolsó húzás " + std::to_string(days_old) +
               " napja volt. Hiányzó húzások? Ha szünnap volt, írja be a dátumát a "
               "szunnapok.txt-be (" +
               (example_rest_day ? "pl. " + DateText(*example_rest_day) : "ÉÉÉÉ-HH-NN alakban") +
               ").";
    }
    // The rest carry their words: none for kNone.
    return words;
}

}  // namespace drawchk
