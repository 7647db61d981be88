// A file's name made safe to stand in a caption of the checker's table formats.
#pragma once

#include <string>
#include <string_view>

#include "truthtable/TableExport.h"

namespace deducto::cli {

// `name` as one line of `format`: control characters (a line end would end a LaTeX comment
// or a CSV row early) become "?"; in Markdown the characters that mean something there are
// escaped so that the name shows as written; in CSV the caption "# File: name" is one field, quoted
// when it has to be. The text format keeps the name as it is, control characters aside.
[[nodiscard]] std::string FileCaption(std::string_view name, TableFormat format);

}  // namespace deducto::cli
