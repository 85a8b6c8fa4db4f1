#pragma once

#include <string>

#include "worksheets/class_results.h"

// The class's results as the teacher's page shows them and as the file it saves.
namespace worksheets {

// The table (.results-table: a row a pupil, the count right under them) and the lines kept
// apart with their reasons (.results-apart), as HTML text; every pasted text escaped. Each
// problem's cell has the class results-right, results-wrong or results-none, an opened hint
// shows in a .results-hint and a wrong answer in a .results-answer; a .results-legend after the
// table explains the mark that stands for a hint where the hints' words do not fit (in print).
std::string resultsMarkup(const ClassResults& results);

// The same as a CSV file that a spreadsheet on a Bulgarian Windows opens as a table with a
// double-click: UTF-8 with a byte order mark, ";" between fields, lines ended by CR LF, fields
// with ";", ",", quotes or line breaks quoted as RFC 4180 says. The answers given follow the marks,
// with the decimal comma. A field starting with "=", "+", "-", "@", a tab or CR starts with an
// apostrophe, so that no spreadsheet reads it as a formula.
std::string resultsCsv(const ClassResults& results);

}  // namespace worksheets
