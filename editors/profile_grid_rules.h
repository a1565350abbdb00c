#pragma once
// The typing rules of the profile editor's grid, over the points it holds. Rows count from 1
// (row r shows point r); columns 1-4 are distance (km), ground height (m), object type code
// and object height (m). A leading or trailing "+" or "-" typed into a distance from row 2 on
// asks to insert or delete a point there.

#include <string>
#include <string_view>
#include <vector>

#include "profile_file.h"

namespace vakrel {

enum class ProfileColumn { Distance = 1, GroundHeight = 2, TypeCode = 3, ObjectHeight = 4 };

// What typing into a cell does.
enum class ProfileCellAction {
    Empty,      // the cell is emptied (no point stands in that row)
    Restore,    // the cell is set back to the value held (ProfileCellText)
    AskInsert,  // ask "Вставить строку ?"; Yes: InsertProfilePoint, No: restore
    AskDelete,  // ask "Стереть строку ?"; Yes: DeleteProfilePoint, No: restore
    Stored,     // the value was stored in the point; the cell keeps the text as typed
};

struct ProfileCellOutcome {
    ProfileCellAction action;
    bool valueEntry;  // the text went through value entry, which marks the profile changed
};

// The rule for the text `typed` (UTF-8) newly in cell (col, row); on Stored, `points` holds
// the value. Type codes above 8 and negative ones are refused; a code is stored as the
// integer part of the value.
ProfileCellOutcome ApplyProfileCellText(std::vector<ProfilePoint>& points, int col, int row, std::string_view typed);

// The text a cell shows for the point held in `row`: the general format with `separator`,
// the type code as an integer; empty where no point stands.
std::string ProfileCellText(const std::vector<ProfilePoint>& points, int col, int row, char separator);

// Inserts a point at `row` (2 .. n + 1): the points from there move one place down with their
// distances rounded to 0.01 km (ties to the even hundredth); the new point stands 0.01 km
// beyond the one before it, with its heights and code.
void InsertProfilePoint(std::vector<ProfilePoint>& points, int row);
// Deletes the point of `row`; the points after it move up unchanged.
void DeleteProfilePoint(std::vector<ProfilePoint>& points, int row);

}  // namespace vakrel
