#include "window_check.h"

#include "list_colours.h"
#include "run_check.h"
#include "start_up.h"

namespace drawchk {
namespace {

// The window lays its list out for the rows a check scrolls by.
static_assert(design::kListRows == kVisibleRows);

WindowCheck& Of(void* check) { return *static_cast<WindowCheck*>(check); }

design::Colour FromC(DrawchkColour colour) { return {colour.red, colour.green, colour.blue}; }
DrawchkColour ToC(design::Colour colour) { return {colour.red, colour.green, colour.blue}; }

}  // namespace

WindowCheck::WindowCheck(std::optional<std::filesystem::path> program_folder)
    : program_folder_(std::move(program_folder)) {
    services_.check = this;
    services_.program_folder_known = [](void* check) { return Of(check).program_folder_ ? 1 : 0; };
    services_.run_check = [](void* check) {
        WindowCheck& self = Of(check);
        self.hint_ = RunWindowCheck(self.program_folder_, self.rows_, kHungarianDayLabels).Text();
    };
    services_.row_count = [](void* check) { return Of(check).rows_.Count(); };
    services_.row_text = [](void* check, int row, int* length) {
        const std::string_view text = Of(check).rows_.Text(row);
        *length = static_cast<int>(text.size());
        return text.data();
    };
    services_.row_out_of_place = [](void* check, int row) {
        return Of(check).rows_.OutOfPlace(row) ? 1 : 0;
    };
    services_.first_visible_row = [](void* check) { return Of(check).rows_.FirstVisible(); };
    services_.hint = [](void* check) { return Of(check).hint_.c_str(); };
    services_.choose_list_colours = [](DrawchkColour background, DrawchkColour text,
                                       DrawchkColour* mark, DrawchkColour* hint) {
        const design::ListColours colours =
            design::ChooseListColours(FromC(background), FromC(text));
        *mark = ToC(colours.mark);
        *hint = ToC(colours.hint);
    };
}

}  // namespace drawchk
