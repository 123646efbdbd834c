// The words the list shows besides its rows, which batch mode's lines take too.
#include <utility>
#include <vector>

#include "draw_calendar.h"
#include "messages.h"
#include "text_encoding.h"
#include "wording.h"

namespace drawchk {
namespace {

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

}  // namespace

std::string LineDatesWords(const LineDatesFinding& finding) {
    switch (finding.kind) {
        case LineDatesFinding::kUnknownDays: {
            std::vector<std::string> days;
            for (const auto day : finding.unknown_days) days.push_back(OnDay(day));
            return Enumerated(days) + " nem volt húzás, a program nem tudott " +
                   (days.size() > 1 ? "róluk: vegye fel őket" : "róla: vegye fel") +
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
    static constexpr std::pair<Kind, std::string_view> kFixed[] = {
        {kNoDrawFile, "Nincs keno.old a program mappájában."},
        {kUnreadableDrawFile, "A keno.old nem olvasható."},
        {kBusyDrawFile, "A keno.old-ot egy másik program használja; próbálja meg később újra."},
        {kChangingDrawFile, "A keno.old olvasás közben megváltozott; próbálja meg később újra."},
        {kNoDrawAfterHistory, "A keno.old első 5000 sora után nincs húzás."},
        {kUnknownFolder, "A program mappája nem állapítható meg."},
        {kReadPartly, "A keno.old nem olvasható végig."},
        {kNewestDrawAfterToday,
         "A legutolsó sor dátuma jövőbeli: téves szünnap, előre írt sor, rossz óra?"},
    };
    for (const auto& [fixed, text] : kFixed) {
        if (kind == fixed) return std::string(text);
    }
    if (kind == kNewestDrawOld) {
        // As short as the band allows: the day to list goes in as an example.
        return "A legutolsó sor " + std::to_string(days_old) + " napos. Szünnap? szunnapok.txt: " +
               (example_rest_day ? DateText(*example_rest_day) : "ÉÉÉÉ-HH-NN");
    }
    // The rest carry their words: none for kNone.
    return words;
}

}  // namespace drawchk
