#pragma once

#include <string>
#include <string_view>

#include "worksheets/sheet_settings.h"

// The worksheet's settings as its address carries them: ?code=3CFPS6&n=5&variants=26&key=1. The
// page writes its address back from the settings it shows, so that the address, a bookmark or a
// copied link opens that sheet.
namespace worksheets {

// The settings of an address's query ("?code=..." or "code=..."): parameters percent-decoded,
// "+" as a blank, the first of a repeated one taken (as URLSearchParams.get does), unknown ones
// ignored, each value its nearest allowed one.
SheetSettings readSheetQuery(std::string_view query);

// The query that shows the settings, "?code=3CFPS6&n=5&variants=26&key=1": the parameters in that
// order, the code percent-encoded, and left out where there is none; then "solutions=1" where the
// key has them and "hints=0" where practice has none.
std::string sheetQuery(const SheetSettings& settings);

}  // namespace worksheets
