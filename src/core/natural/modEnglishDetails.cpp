#include "natural/modEnglishDetails.h"

namespace deducto {

std::string DescribeCellEnglish(const clsTruthTable&, int, int, Session&) { return {}; }
std::string TermPhrase(char, Session&) { return {}; }

}  // namespace deducto
