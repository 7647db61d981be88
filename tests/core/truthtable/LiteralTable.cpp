// The reference truth table, step by step as the algorithms read. See LiteralTable.h.
#include "LiteralTable.h"

#include <map>
#include <memory>
#include <utility>

#include "truthtable/modEvaluate.h"

namespace deducto::testing {

namespace {

std::vector<std::string> Pairs(const std::string& s) {
    std::vector<std::string> pairs;
    for (size_t i = 0; i + 1 < s.size(); i += 2) pairs.push_back(s.substr(i, 2));
    return pairs;
}

bool Contains(const std::vector<std::string>& list, const std::string& s) {
    for (const std::string& entry : list) {
        if (entry == s) return true;
    }
    return false;
}

std::string Join(const std::vector<std::string>& groups) {
    std::string row;
    for (size_t g = 0; g < groups.size(); ++g) {
        if (g > 0) row += ' ';
        row += groups[g];
    }
    return row;
}

// +P-Q+R gives P Q 3 1 R 1: each letter, "3" after a negated one, "1" after every pair but
// the first.
std::string RegionFormula(const std::string& region) {
    const std::vector<std::string> pairs = Pairs(region);
    std::string formula;
    for (size_t i = 0; i < pairs.size(); ++i) {
        formula += pairs[i][1];
        if (pairs[i][0] == '-') formula += '3';
        if (i > 0) formula += '1';
    }
    return formula;
}

bool IsSatisfiable(const LiteralTable& table) {
    for (const std::string& value : table.values) {
        if (value == "T") return true;
    }
    return false;
}

std::string binaryTruth(const std::string& a, const std::string& b, const std::string& op) {
    if (op == "1") return a == "T" && b == "T" ? "T" : "F";
    if (op == "2") return a != "T" && b != "T" ? "F" : "T";
    if (op == "6") return a == b ? "T" : "F";
    if (op == "7") return a == "T" && b == "F" ? "F" : "T";
    return "";
}

bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }

}  // namespace

std::string NormaliseSigns(const std::string& s) {
    std::vector<std::string> pairs = Pairs(s);
    // By letter, then by sign ("+" before "-").
    auto key = [](const std::string& pair) { return std::string{pair[1], pair[0]}; };
    for (size_t i = 0; i < pairs.size(); ++i) {
        for (size_t j = i + 1; j < pairs.size(); ++j) {
            if (key(pairs[j]) < key(pairs[i])) std::swap(pairs[i], pairs[j]);
        }
    }
    std::string result;
    for (size_t i = 0; i < pairs.size(); ++i) {
        if (i > 0 && pairs[i] == pairs[i - 1]) continue;
        result += pairs[i];
    }
    return result;
}

std::string MergeSigns(const std::string& a, const std::string& b) {
    const std::vector<std::string> pairsOfA = Pairs(a);
    std::string merged = a;
    for (const std::string& pair : Pairs(b)) {
        if (!Contains(pairsOfA, pair)) merged += pair;
    }
    return NormaliseSigns(merged);
}

bool ContainsSigns(const std::string& a, const std::string& b) {
    for (size_t i = 0; i + 1 < b.size(); i += 2) {
        bool found = false;
        for (size_t j = 0; j + 1 < a.size(); j += 2) {
            if (a[j] == b[i] && a[j + 1] == b[i + 1]) found = true;
        }
        if (!found) return false;
    }
    return true;
}

bool HasContradiction(const std::string& s) {
    const std::vector<std::string> pairs = Pairs(s);
    for (const std::string& p : pairs) {
        for (const std::string& q : pairs) {
            if (p[1] == q[1] && p[0] != q[0]) return true;
        }
    }
    return false;
}

void SortStrings(std::vector<std::string>& list) {
    for (size_t i = 0; i < list.size(); ++i) {
        for (size_t j = i + 1; j < list.size(); ++j) {
            if (list[j] < list[i]) std::swap(list[i], list[j]);
        }
    }
}

// ---- Reading a Polish string

std::string LiteralTable::nextToken(const std::string& PolishStr, size_t& pos) const {
    std::string token(1, PolishStr[pos]);
    if (propositional()) return token;
    if ((token == "4" || token == "5") && pos + 1 < PolishStr.size()) {
        ++pos;
        token += PolishStr[pos];
    }
    if (token >= "A" && token <= "Z" && pos + 1 < PolishStr.size()) {
        token += PolishStr[pos + 1];
        ++pos;
    }
    return token;
}

std::string LiteralTable::TokenClass(const std::string& token) const {
    if (token == "3" || token[0] == '4' || token[0] == '5') return "2";
    if (token == "1" || token == "2" || token == "6" || token == "7") return "1";
    if (token == "(") return "4";
    if (token == ")") return "5";
    if (propositional()) {
        if (token.size() == 1 && (IsUpper(token[0]) || IsLower(token[0]))) return "3";
    } else if (token.size() == 2 && IsLower(token[1])) {
        return "3";
    }
    return "";
}

void LiteralTable::generateFromPolish(const std::string& PolishStr) {
    std::vector<LiteralTable> stack;
    auto pop = [&stack]() {
        LiteralTable top = std::move(stack.back());
        stack.pop_back();
        return top;
    };
    for (size_t pos = 0; pos < PolishStr.size(); ++pos) {
        const std::string token = nextToken(PolishStr, pos);
        const std::string kind = TokenClass(token);
        LiteralTable table(mode_);
        if (kind == "3") {
            table.generateFromOperand(token);
            stack.push_back(std::move(table));
        } else if (kind == "1") {
            const LiteralTable right = pop();
            const LiteralTable left = pop();
            table.generateFromBinary(left, right, token, "");
            stack.push_back(std::move(table));
        } else if (kind == "2") {
            const LiteralTable operand = pop();
            table.generateFromUnary(operand, token);
            stack.push_back(std::move(table));
        }
    }
    const LiteralTable result = pop();
    terms = result.terms;
    if (!propositional()) {
        nbrIntTerms = result.nbrIntTerms;
        nbrLocTerms = result.nbrLocTerms;
    }
    combos = result.combos;
    values = result.values;
}

void LiteralTable::generateFromOperand(const std::string& operand) {
    terms.assign(1, "");
    combos.assign(2, "");
    values.assign(2, "");
    nbrIntTerms = 0;
    nbrLocTerms = 1;
    if (propositional()) {
        terms[0] = operand;
        combos = {"T", "F"};
        values = {"T", "F"};
        return;
    }
    if (mode_ == Mode::SetTheory && (operand[0] == 'U' || operand[0] == '0')) {
        terms.clear();
        nbrLocTerms = 0;
        combos.resize(1);
        values = {operand[0] == 'U' ? "T" : "F"};
        return;
    }
    terms[0] = operand.substr(operand.size() - 1);
    combos = {std::string("+") + operand[0], std::string("-") + operand[0]};
    values = {"T", "F"};
}

void LiteralTable::generateFromUnary(const LiteralTable& truthTable1, const std::string& token) {
    if (token == "3") {
        generateNot(truthTable1);
    } else if (token[0] == '5') {
        generateExists(truthTable1, token);
    } else {
        // for all v: not exists v not
        LiteralTable negated(mode_);
        negated.generateFromUnary(truthTable1, "3");
        LiteralTable exists(mode_);
        exists.generateExists(negated, std::string("5") + token.back());
        generateNot(exists);
    }
}

void LiteralTable::generateNot(const LiteralTable& truthTable1) {
    terms = truthTable1.terms;
    if (!propositional()) {
        nbrIntTerms = truthTable1.nbrIntTerms;
        nbrLocTerms = truthTable1.nbrLocTerms;
    }
    combos = truthTable1.combos;
    values.clear();
    for (const std::string& value : truthTable1.values) values.push_back(value == "T" ? "F" : "T");
}

void LiteralTable::generateFromBinary(const LiteralTable& truthTable1,
                                      const LiteralTable& truthTable2, const std::string& token,
                                      const std::string& requireAntecedent) {
    if (propositional()) {
        combinePropositional(truthTable1, truthTable2, token, requireAntecedent);
    } else {
        combinePredicate(truthTable1, truthTable2, token, requireAntecedent);
    }
}

// ---- Propositional tables

void LiteralTable::combinePropositional(const LiteralTable& truthTable1,
                                        const LiteralTable& truthTable2, const std::string& token,
                                        const std::string& requireAntecedent) {
    terms = truthTable1.terms;
    terms.insert(terms.end(), truthTable2.terms.begin(), truthTable2.terms.end());
    mergeTerms();
    buildCombos();
    values.clear();
    for (const std::string& row : combos) {
        std::vector<std::string> trueTerms;
        for (size_t k = 0; k < terms.size(); ++k) {
            if (row[k] == 'T') trueTerms.push_back(terms[k]);
        }
        const std::string a = truthTable1.TruthResultProp(trueTerms);
        if (a == "F" && requireAntecedent == "T") {
            values.push_back("-");
            continue;
        }
        const std::string b = truthTable2.TruthResultProp(trueTerms);
        values.push_back(binaryTruth(a, b, token));
    }
}

void LiteralTable::mergeTerms() {
    SortStrings(terms);
    std::vector<std::string> merged;
    for (const std::string& term : terms) {
        if (!Contains(merged, term)) merged.push_back(term);
    }
    terms = merged;
}

void LiteralTable::buildCombos() {
    const std::string allFalse(terms.size(), 'F');
    std::string row(terms.size(), 'T');
    combos = {row};
    while (row != allFalse) {
        for (size_t k = row.size(); k-- > 0;) {
            if (row[k] == 'F') {
                row[k] = 'T';
            } else {
                row[k] = 'F';
                break;
            }
        }
        combos.push_back(row);
    }
}

std::string LiteralTable::TruthResultProp(const std::vector<std::string>& trueTerms) const {
    std::string key(terms.size(), 'F');
    for (const std::string& entry : trueTerms) {
        for (size_t k = 0; k < terms.size(); ++k) {
            if (terms[k] == entry) {
                key[k] = 'T';
                break;
            }
        }
    }
    for (size_t i = 0; i < combos.size(); ++i) {
        if (combos[i] == key) return values[i];
    }
    return "";
}

// ---- Predicate tables

std::vector<std::string> LiteralTable::SplitRow(const std::string& row) const {
    std::vector<std::string> groups;
    if (row.empty()) return groups;
    std::string group;
    for (char c : row) {
        if (c == ' ') {
            groups.push_back(group);
            group.clear();
        } else {
            group += c;
        }
    }
    groups.push_back(group);
    return groups;
}

void LiteralTable::WorldOf(int i, std::vector<std::string>& existing,
                           std::vector<std::string>& individuals) const {
    const std::vector<std::string> groups = SplitRow(combos[i]);
    existing.clear();
    individuals.clear();
    for (int k = 0; k < nbrIntTerms; ++k) existing.push_back(groups[0][k] + terms[k]);
    const int first = nbrIntTerms > 0 ? 1 : 0;
    for (int j = 0; j < nbrLocTerms; ++j) {
        individuals.push_back(terms[nbrIntTerms + j] + groups[first + j]);
    }
}

std::string LiteralTable::TruthResultPred(const std::vector<std::string>& existing,
                                          const std::vector<std::string>& individuals) const {
    if (terms.empty()) return values[0];
    for (size_t i = 0; i < combos.size(); ++i) {
        const std::vector<std::string> groups = SplitRow(combos[i]);
        bool matches = true;
        for (int k = 0; k < nbrIntTerms; ++k) {
            const char flag = groups[0][k];
            bool agrees = false;
            for (const std::string& entry : existing) {
                if (entry[0] != flag) continue;
                const std::string region = entry.substr(1);
                if (flag == '1' ? ContainsSigns(region, terms[k])
                                : ContainsSigns(terms[k], region)) {
                    agrees = true;
                }
            }
            if (!agrees) matches = false;
        }
        const int first = nbrIntTerms > 0 ? 1 : 0;
        for (int j = 0; j < nbrLocTerms; ++j) {
            const std::string& letter = terms[nbrIntTerms + j];
            const std::string* entry = nullptr;
            for (const std::string& individual : individuals) {
                if (individual[0] == letter[0]) {
                    entry = &individual;
                    break;
                }
            }
            if (entry == nullptr) return "";  // Impossible error 991
            if (!ContainsSigns(entry->substr(1), groups[first + j])) matches = false;
        }
        if (matches) return values[i];
    }
    return "";  // Impossible error 992
}

void LiteralTable::orderPredicateTerms() {
    std::vector<std::string> marked;
    for (int k = 0; k < static_cast<int>(terms.size()); ++k) {
        marked.push_back((k < nbrIntTerms ? "I" : "L") + terms[k]);
    }
    SortStrings(marked);
    terms.clear();
    for (const std::string& m : marked) terms.push_back(m.substr(1));
}

void LiteralTable::combinePredicate(const LiteralTable& truthTable1,
                                    const LiteralTable& truthTable2, const std::string& token,
                                    const std::string& requireAntecedent) {
    std::vector<std::string> internal, local;
    for (int k = 0; k < truthTable1.nbrIntTerms; ++k) internal.push_back(truthTable1.terms[k]);
    for (int k = 0; k < truthTable2.nbrIntTerms; ++k) {
        if (!Contains(internal, truthTable2.terms[k])) internal.push_back(truthTable2.terms[k]);
    }
    for (int j = 0; j < truthTable1.nbrLocTerms; ++j) {
        local.push_back(truthTable1.terms[truthTable1.nbrIntTerms + j]);
    }
    for (int j = 0; j < truthTable2.nbrLocTerms; ++j) {
        const std::string& letter = truthTable2.terms[truthTable2.nbrIntTerms + j];
        if (!Contains(local, letter)) local.push_back(letter);
    }
    terms = internal;
    terms.insert(terms.end(), local.begin(), local.end());
    nbrIntTerms = static_cast<int>(internal.size());
    nbrLocTerms = static_cast<int>(local.size());
    orderPredicateTerms();

    // buildPredicateCombos: the candidate regions of each local term.
    auto collect = [](const LiteralTable& table) {
        std::vector<std::string> entries;
        for (int i = 0; i < static_cast<int>(table.combos.size()); ++i) {
            std::vector<std::string> existing, individuals;
            table.WorldOf(i, existing, individuals);
            for (const std::string& entry : individuals) {
                if (!Contains(entries, entry)) entries.push_back(entry);
            }
        }
        return entries;
    };
    const std::vector<std::string> entries1 = collect(truthTable1);
    const std::vector<std::string> entries2 = collect(truthTable2);
    std::vector<bool> paired2(entries2.size(), false);
    std::vector<std::string> candidates;
    for (const std::string& e1 : entries1) {
        bool paired = false;
        for (size_t m = 0; m < entries2.size(); ++m) {
            if (entries2[m][0] != e1[0]) continue;
            candidates.push_back(e1[0] + MergeSigns(e1.substr(1), entries2[m].substr(1)));
            paired2[m] = true;
            paired = true;
        }
        if (!paired) candidates.push_back(e1);
    }
    for (size_t m = 0; m < entries2.size(); ++m) {
        if (!paired2[m]) candidates.push_back(entries2[m]);
    }
    SortStrings(candidates);
    std::vector<std::string> distinct;
    for (const std::string& c : candidates) {
        if (!Contains(distinct, c)) distinct.push_back(c);
    }
    buildRows(distinct);
    evaluatePredicateCombos(truthTable1, truthTable2, token, requireAntecedent);
}

void LiteralTable::buildRows(const std::vector<std::string>& candidates) {
    lowest_.assign(nbrLocTerms, -1);
    highest_.assign(nbrLocTerms, -1);
    for (int j = 0; j < nbrLocTerms; ++j) {
        const char letter = terms[nbrIntTerms + j][0];
        for (int c = 0; c < static_cast<int>(candidates.size()); ++c) {
            if (candidates[c][0] != letter) continue;
            if (lowest_[j] < 0) lowest_[j] = c;
            highest_[j] = c;
        }
    }
    std::vector<std::pair<int, int>> containment;
    for (int a = 0; a < nbrIntTerms; ++a) {
        for (int b = 0; b < nbrIntTerms; ++b) {
            if (a != b && ContainsSigns(terms[a], terms[b])) containment.emplace_back(a, b);
        }
    }

    combos.clear();
    const std::string allEmpty(nbrIntTerms, '0');
    std::string pattern(nbrIntTerms, '1');
    while (true) {
        if (nbrLocTerms > 0) {
            current_ = lowest_;
            bool more = true;
            for (int j = 0; j < nbrLocTerms; ++j) {
                if (lowest_[j] < 0) more = false;  // a local term with no region: no world
            }
            while (more) {
                std::string row = pattern;
                for (int j = 0; j < nbrLocTerms; ++j) {
                    if (!(nbrIntTerms == 0 && j == 0)) row += ' ';
                    row += candidates[current_[j]].substr(1);
                }
                if (!IsImpossibleRow(row)) combos.push_back(row);
                more = nextIndexVector();
            }
        } else {
            bool skip = false;
            for (const auto& [a, b] : containment) {
                if (pattern[a] == '1' && pattern[b] == '0') skip = true;
            }
            if (!skip && !IsImpossibleRow(pattern)) combos.push_back(pattern);
        }
        if (pattern == allEmpty) break;
        for (size_t k = pattern.size(); k-- > 0;) {
            if (pattern[k] == '0') {
                pattern[k] = '1';
            } else {
                pattern[k] = '0';
                break;
            }
        }
    }
}

bool LiteralTable::nextIndexVector() {
    int p = nbrLocTerms - 1;
    ++current_[p];
    while (current_[p] > highest_[p]) {
        current_[p] = lowest_[p];
        --p;
        if (p < 0) return false;
        ++current_[p];
    }
    return true;
}

bool RegionPossible(const std::vector<std::string>& emptyRegions, const std::string& region) {
    // C: no individual lies in an empty region.
    std::string C;
    for (const std::string& empty : emptyRegions) {
        const std::string part = RegionFormula(empty) + "3";
        C = C.empty() ? part : C + part + "1";
    }
    std::string formula = C;
    if (!region.empty())
        formula = C.empty() ? RegionFormula(region) : C + RegionFormula(region) + "1";
    if (formula.empty()) return true;
    // The same small formulas come back for every choice of regions: remember them.
    static std::map<std::string, bool> known;
    const auto at = known.find(formula);
    if (at != known.end()) return at->second;
    LiteralTable table(Mode::Propositional);
    table.generateFromPolish(formula);
    return known[formula] = IsSatisfiable(table);
}

bool LiteralTable::IsImpossibleRow(const std::string& row) const {
    const std::vector<std::string> groups = SplitRow(row);
    const std::string flags = nbrIntTerms > 0 ? groups[0] : "";
    std::vector<std::string> regions;
    for (int j = 0; j < nbrLocTerms; ++j) regions.push_back(groups[(nbrIntTerms > 0 ? 1 : 0) + j]);

    std::vector<std::string> empties;
    for (int k = 0; k < nbrIntTerms; ++k) {
        if (flags[k] == '0') empties.push_back(terms[k]);
    }
    if (!empties.empty()) {
        for (int k = 0; k < nbrIntTerms; ++k) {
            if (flags[k] == '1' && !RegionPossible(empties, terms[k])) return true;
        }
        for (const std::string& region : regions) {
            if (!RegionPossible(empties, region)) return true;
        }
    }
    for (const std::string& region : regions) {
        if (HasContradiction(region)) return true;
    }
    return false;
}

void LiteralTable::evaluatePredicateCombos(const LiteralTable& truthTable1,
                                           const LiteralTable& truthTable2,
                                           const std::string& token,
                                           const std::string& requireAntecedent) {
    values.clear();
    std::vector<std::string> existing, individuals;
    for (int i = 0; i < static_cast<int>(combos.size()); ++i) {
        WorldOf(i, existing, individuals);
        const std::string a = truthTable1.TruthResultPred(existing, individuals);
        if (a == "F" && requireAntecedent == "T") {
            values.push_back("-");
            continue;
        }
        auto b = [&]() { return truthTable2.TruthResultPred(existing, individuals); };
        std::string value;
        if (token == "1") {
            value = a != "T" ? "F" : (b() == "T" ? "T" : "F");
        } else if (token == "2") {
            value = a == "T" ? "T" : (b() == "T" ? "T" : "F");
        } else if (token == "6") {
            value = b() == a ? "T" : "F";
        } else if (token == "7") {
            value = a != "T" ? "T" : (b() == "F" ? "F" : "T");
        }
        values.push_back(value);
    }
}

void LiteralTable::generateExists(const LiteralTable& truthTable1, const std::string& token) {
    const std::string v(1, token.back());

    // collectExistsTerms
    int bound = -1;
    for (int j = 0; j < truthTable1.nbrLocTerms; ++j) {
        if (truthTable1.terms[truthTable1.nbrIntTerms + j] == v) bound = j;
    }
    std::vector<std::string> internal, local, placements;
    for (int k = 0; k < truthTable1.nbrIntTerms; ++k) internal.push_back(truthTable1.terms[k]);
    std::vector<std::string> existing, individuals;
    if (bound >= 0) {
        for (int i = 0; i < static_cast<int>(truthTable1.combos.size()); ++i) {
            truthTable1.WorldOf(i, existing, individuals);
            const std::string region = individuals[bound].substr(1);
            if (!Contains(placements, region)) placements.push_back(region);
            if (truthTable1.values[i] == "T" && !Contains(internal, region)) {
                internal.push_back(region);
            }
        }
    }
    for (int j = 0; j < truthTable1.nbrLocTerms; ++j) {
        const std::string& letter = truthTable1.terms[truthTable1.nbrIntTerms + j];
        if (letter != v) local.push_back(letter);
    }
    terms = internal;
    terms.insert(terms.end(), local.begin(), local.end());
    nbrIntTerms = static_cast<int>(internal.size());
    nbrLocTerms = static_cast<int>(local.size());
    orderPredicateTerms();

    // buildExistsCombos
    std::vector<std::string> candidates;
    for (int i = 0; i < static_cast<int>(truthTable1.combos.size()); ++i) {
        truthTable1.WorldOf(i, existing, individuals);
        for (const std::string& entry : individuals) {
            if (entry.substr(0, 1) != v && !Contains(candidates, entry)) {
                candidates.push_back(entry);
            }
        }
    }
    SortStrings(candidates);
    buildRows(candidates);

    // evaluateExists
    values.clear();
    for (int i = 0; i < static_cast<int>(combos.size()); ++i) {
        WorldOf(i, existing, individuals);
        if (placements.empty()) {
            values.push_back(truthTable1.TruthResultPred(existing, individuals));
            continue;
        }
        const std::string flags = nbrIntTerms > 0 ? SplitRow(combos[i])[0] : "";
        std::string value = "F";
        for (const std::string& region : placements) {
            for (int k = 0; k < nbrIntTerms && value != "T"; ++k) {
                if (terms[k] != region || flags[k] != '1') continue;
                std::vector<std::string> placed = individuals;
                placed.push_back(v + region);
                if (truthTable1.TruthResultPred(existing, placed) == "T") value = "T";
            }
            if (value == "T") break;
        }
        values.push_back(value);
    }
}

// ---- Simplification

void LiteralTable::Simplify() {
    if (propositional()) {
        simplifyPropositional();
    } else {
        simplifyPredicate();
    }
}

void LiteralTable::simplifyPropositional() {
    if (constant) return;
    const size_t n = terms.size();
    std::vector<bool> unneeded(n, false);
    bool any = false;
    for (size_t j = 0; j < n; ++j) {
        bool needed = false;
        for (size_t i = 0; i < combos.size(); ++i) {
            for (size_t k = i + 1; k < combos.size(); ++k) {
                if (combos[i][j] != 'T' || combos[k][j] != 'F') continue;
                bool sameElsewhere = true;
                for (size_t p = 0; p < n; ++p) {
                    if (p != j && combos[i][p] != combos[k][p]) sameElsewhere = false;
                }
                if (sameElsewhere && values[i] != values[k]) needed = true;
            }
        }
        unneeded[j] = !needed;
        any = any || !needed;
    }
    if (!any) return;

    const std::string firstValue = values[0];
    std::vector<std::string> keptCombos, keptValues, keptTerms;
    for (size_t i = 0; i < combos.size(); ++i) {
        bool dropped = false;
        std::string row;
        for (size_t p = 0; p < n; ++p) {
            if (!unneeded[p]) {
                row += combos[i][p];
            } else if (combos[i][p] == 'F') {
                dropped = true;
            }
        }
        if (dropped) continue;
        keptCombos.push_back(row);
        keptValues.push_back(values[i]);
    }
    for (size_t p = 0; p < n; ++p) {
        if (!unneeded[p]) keptTerms.push_back(terms[p]);
    }
    terms = keptTerms;
    combos = keptCombos;
    values = keptValues;
    if (terms.empty()) {
        combos = {""};
        values = {firstValue};
        constant = true;
    }
}

void LiteralTable::simplifyPredicate() {
    // Working rows as groups; with internal terms the first group is the flag string.
    std::vector<std::vector<std::string>> working;
    for (const std::string& row : combos) working.push_back(SplitRow(row));
    const int first = nbrIntTerms > 0 ? 1 : 0;
    const int nbrTerms = static_cast<int>(terms.size());

    // True when no two working rows are equal while their values differ.
    auto consistent = [&]() {
        std::map<std::string, std::string> valueOf;
        for (size_t i = 0; i < working.size(); ++i) {
            const auto [at, inserted] = valueOf.emplace(Join(working[i]), values[i]);
            if (!inserted && at->second != values[i]) return false;
        }
        return true;
    };

    std::vector<bool> unneeded(nbrTerms, false);
    bool any = false;
    for (int t = 0; t < nbrTerms; ++t) {
        std::vector<std::string> saved;
        for (std::vector<std::string>& groups : working) {
            std::string& cell = t < nbrIntTerms ? groups[0] : groups[first + t - nbrIntTerms];
            saved.push_back(cell);
            if (t < nbrIntTerms) {
                cell[t] = '*';
            } else {
                cell = "*";
            }
        }
        if (consistent()) {
            unneeded[t] = true;
            any = true;
        } else {
            for (size_t i = 0; i < working.size(); ++i) {
                (t < nbrIntTerms ? working[i][0] : working[i][first + t - nbrIntTerms]) = saved[i];
            }
        }
    }
    if (!any) return;

    for (int t = nbrTerms - 1; t >= 0; --t) {
        if (!unneeded[t]) continue;
        terms.erase(terms.begin() + t);
        if (t < nbrIntTerms) {
            --nbrIntTerms;
        } else {
            --nbrLocTerms;
        }
    }
    for (std::vector<std::string>& groups : working) {
        std::vector<std::string> kept;
        for (size_t g = 0; g < groups.size(); ++g) {
            std::string cell;
            for (char c : groups[g]) {
                if (c != '*') cell += c;
            }
            if (!cell.empty()) kept.push_back(cell);
        }
        groups = kept;
    }

    std::vector<std::string> keptCombos, keptValues;
    for (size_t i = 0; i < working.size(); ++i) {
        const std::string row = Join(working[i]);
        if (Contains(keptCombos, row)) continue;
        keptCombos.push_back(row);
        keptValues.push_back(values[i]);
    }
    combos = keptCombos;
    values = keptValues;
}

// ---- Testing an argument

LiteralEvaluation LiteralEvaluate(Mode mode, const std::vector<std::string>& lines,
                                  bool simplifyLines) {
    std::vector<std::unique_ptr<LiteralTable>> tables(lines.size());
    for (size_t k = 0; k < lines.size(); ++k) {
        if (lines[k].empty()) continue;
        tables[k] = std::make_unique<LiteralTable>(mode);
        tables[k]->generateFromPolish(lines[k]);
        if (simplifyLines) tables[k]->Simplify();
    }
    LiteralEvaluation result{Verdict::None, LiteralTable(mode)};
    size_t k = 1;
    while (k < tables.size() && !tables[k]) ++k;
    if (k == tables.size()) {
        result.comparison = *tables[0];
    } else {
        LiteralTable running = *tables[k];
        for (size_t m = k + 1; m < tables.size(); ++m) {
            if (!tables[m]) continue;
            LiteralTable conjunction(mode);
            conjunction.generateFromBinary(running, *tables[m], "1", "");
            conjunction.Simplify();
            running = conjunction;
        }
        result.comparison.generateFromBinary(running, *tables[0], "7", "T");
    }
    result.comparison.Simplify();

    bool someTrue = false;
    bool someFalse = false;
    for (const std::string& value : result.comparison.values) {
        someTrue = someTrue || value == "T";
        someFalse = someFalse || value == "F";
    }
    if (someTrue) {
        result.verdict = someFalse ? Verdict::DoesNotFollow : Verdict::AlwaysTrue;
    } else {
        result.verdict = someFalse ? Verdict::AlwaysFalse : Verdict::PremisesFalse;
    }
    return result;
}

}  // namespace deducto::testing
