// The checker's report for a person: each line in logical notation (or marked where it
// failed, with its messages), the verdict, and on request the failing cases and the truth
// tables of chosen lines.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "RunCheck.h"
#include "truthtable/TableExport.h"

namespace deducto::cli {

struct TextOptions {
    bool details = false;            // list the cases in which the conclusion fails
    std::vector<int> tables;         // line indices whose truth tables are printed
    std::string explanation;         // printed under the verdict when not empty
    std::vector<std::string> world;  // printed after the failing cases
    std::vector<std::string> tree;   // printed after the world
    std::string treeLatex;           // --format latex: printed after the tables
    // Text prints the tables after the report; any other format prints only the tables,
    // so that the output can go straight into a spreadsheet or a document.
    TableFormat format = TableFormat::Text;
    bool steps = false;          // tables bring a column for every step
    bool argumentTable = false;  // the argument table follows the line tables
    // The file as messages name it ("<stdin>" for standard input). Every message written
    // to `err` is headed by it, so that read apart from the report it still says which file
    // it is about.
    std::string file;
};

// Natural-language remarks and messages go to `err`; everything else to `out`.
void WriteText(std::ostream& out, std::ostream& err, const CheckReport& report,
               const TextOptions& text, const Options& options);

}  // namespace deducto::cli
