#include "truthtable/StepTable.h"

#include <algorithm>
#include <map>

#include "Options.h"
#include "Progress.h"
#include "ReadLine.h"
#include "formula/Operators.h"
#include "formula/modBuildPolish.h"
#include "truthtable/clsTruthTable.h"

namespace deducto {

namespace {

constexpr const char* kMalformed = "Impossible error: a formula that does not parse back";
constexpr const char* kNoFit = "Impossible error: a world that a formula's table does not fit";

using Bits = std::vector<std::uint64_t>;

std::uint32_t VariableBit(char c) { return c >= 'a' && c <= 'z' ? 1u << (c - 'a') : 0u; }

// One sub-formula: a contiguous stretch [begin, end) of the Polish string, since every
// sub-formula of a postfix string is one.
struct Node {
    std::string_view token;
    TokenKind kind = TokenKind::Operand;
    int left = -1;  // the operand of a unary operator
    int right = -1;
    std::size_t begin = 0;
    std::size_t end = 0;
    int height = 0;              // 0 for an operand
    std::uint32_t freeVars = 0;  // lower-case letters of its atoms not bound inside it
    std::uint32_t bound = 0;     // variables bound by quantifiers around it
};

// The formula's sub-formulas, each after its operands; the last is the whole formula.
struct FormulaTree {
    std::vector<Node> nodes;
    bool ok = false;
};

FormulaTree ReadTree(std::string_view polish, Mode mode) {
    FormulaTree tree;
    std::vector<int> stack;
    for (std::size_t pos = 0; pos < polish.size();) {
        const int length = PolishTokenLength(polish, pos, mode);
        if (length <= 0) return tree;
        Node node;
        node.token = polish.substr(pos, static_cast<std::size_t>(length));
        node.kind = TokenClass(node.token, mode);
        node.end = pos + static_cast<std::size_t>(length);
        switch (node.kind) {
            case TokenKind::Operand:
                node.begin = pos;
                if (mode != Mode::Propositional && length == 2) {
                    node.freeVars = VariableBit(node.token[1]);
                }
                break;
            case TokenKind::Unary: {
                if (stack.empty()) return tree;
                node.left = stack.back();
                stack.pop_back();
                const Node& operand = tree.nodes[static_cast<std::size_t>(node.left)];
                node.begin = operand.begin;
                node.height = operand.height + 1;
                node.freeVars = operand.freeVars;
                if (op::IsQuantifier(node.token[0]) && node.token.size() > 1) {
                    node.freeVars &= ~VariableBit(node.token[1]);
                }
                break;
            }
            case TokenKind::Binary: {
                if (stack.size() < 2) return tree;
                node.right = stack.back();
                stack.pop_back();
                node.left = stack.back();
                stack.pop_back();
                const Node& a = tree.nodes[static_cast<std::size_t>(node.left)];
                const Node& b = tree.nodes[static_cast<std::size_t>(node.right)];
                node.begin = a.begin;
                node.height = std::max(a.height, b.height) + 1;
                node.freeVars = a.freeVars | b.freeVars;
                break;
            }
            default:
                return tree;
        }
        stack.push_back(static_cast<int>(tree.nodes.size()));
        tree.nodes.push_back(node);
        pos += static_cast<std::size_t>(length);
    }
    if (stack.size() != 1) return tree;
    // Parents come after their operands, so walking backwards hands each its binders.
    for (std::size_t i = tree.nodes.size(); i-- > 0;) {
        const Node& node = tree.nodes[i];
        std::uint32_t inner = node.bound;
        if (node.kind == TokenKind::Unary && op::IsQuantifier(node.token[0]) &&
            node.token.size() > 1) {
            inner |= VariableBit(node.token[1]);
        }
        if (node.left >= 0) tree.nodes[static_cast<std::size_t>(node.left)].bound = inner;
        if (node.right >= 0) tree.nodes[static_cast<std::size_t>(node.right)].bound = inner;
    }
    tree.ok = true;
    return tree;
}

// Whether a binary operand needs brackets: always, except a left operand joined by the same
// "and" or "or", which reads the same without them.
bool Bracketed(const FormulaTree& tree, const Node& parent, int child, bool leftSide) {
    const Node& c = tree.nodes[static_cast<std::size_t>(child)];
    if (c.kind != TokenKind::Binary) return false;
    if (parent.kind != TokenKind::Binary) return true;
    const char op = parent.token[0];
    return !(leftSide && c.token[0] == op && (op == op::kAnd || op == op::kOr));
}

// The token list of a sub-formula, in reading order with the brackets it needs.
void AppendTokens(const FormulaTree& tree, int at, std::string& out) {
    const Node& node = tree.nodes[static_cast<std::size_t>(at)];
    const auto operand = [&](int child, bool leftSide) {
        const bool brackets = Bracketed(tree, node, child, leftSide);
        if (brackets) out += '(';
        AppendTokens(tree, child, out);
        if (brackets) out += ')';
    };
    switch (node.kind) {
        case TokenKind::Unary:
            out += node.token;
            operand(node.left, true);
            break;
        case TokenKind::Binary:
            operand(node.left, true);
            out += node.token;
            operand(node.right, false);
            break;
        default:
            out += node.token;
            break;
    }
}

const char* Keyword(char code) {
    switch (code) {
        case op::kAnd:
            return "and";
        case op::kOr:
            return "or";
        case op::kNot:
            return "not";
        case op::kForall:
            return "forall";
        case op::kExists:
            return "exists";
        case op::kIff:
            return "iff";
        case op::kImplies:
            return "implies";
        default:
            return "";
    }
}

// The sub-formula as it would be typed: "not (p and q)", "forall x (Px implies Qx)".
void AppendKeywords(const FormulaTree& tree, int at, std::string& out) {
    const Node& node = tree.nodes[static_cast<std::size_t>(at)];
    const auto operand = [&](int child, bool leftSide) {
        const bool brackets = Bracketed(tree, node, child, leftSide);
        if (brackets) out += '(';
        AppendKeywords(tree, child, out);
        if (brackets) out += ')';
    };
    switch (node.kind) {
        case TokenKind::Unary:
            out += Keyword(node.token[0]);
            if (node.token.size() > 1) (out += ' ') += node.token.substr(1);
            out += ' ';
            operand(node.left, true);
            break;
        case TokenKind::Binary:
            operand(node.left, true);
            ((out += ' ') += Keyword(node.token[0])) += ' ';
            operand(node.right, false);
            break;
        default:
            out += node.token;
            break;
    }
}

Bits Combined(const Bits& a, const Bits& b, char code) {
    Bits out(a.size());
    for (std::size_t w = 0; w < a.size(); ++w) {
        switch (code) {
            case op::kAnd:
                out[w] = a[w] & b[w];
                break;
            case op::kOr:
                out[w] = a[w] | b[w];
                break;
            case op::kIff:
                out[w] = ~(a[w] ^ b[w]);
                break;
            default:  // implies
                out[w] = ~a[w] | b[w];
                break;
        }
    }
    return out;
}

// Clears the bits past the last row, which the complements set.
void ClearTail(Bits& bits, int rows) {
    if (rows % 64 != 0 && !bits.empty()) bits.back() &= (std::uint64_t{1} << (rows % 64)) - 1;
}

Bits PackValues(std::string_view values) {
    Bits bits = NoRows(static_cast<int>(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i] == 'T') bits[i >> 6] |= std::uint64_t{1} << (i & 63);
    }
    return bits;
}

Bits LetterBits(const StepRows& rows, int j) {
    Bits bits = NoRows(rows.count);
    for (int i = 0; i < rows.count; ++i) {
        if (rows.LetterValue(i, j)) bits[i >> 6] |= std::uint64_t{1} << (i & 63);
    }
    return bits;
}

}  // namespace

std::vector<std::uint64_t> NoRows(int rows) {
    return Bits(static_cast<std::size_t>((rows + 63) / 64), 0);
}

void AddLetters(std::string_view PolishStr, std::string& letters) {
    for (const char c : PolishStr) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (letter && letters.find(c) == std::string::npos) letters += c;
    }
    std::sort(letters.begin(), letters.end());
}

Status FormulaColumns(std::string_view PolishStr, std::string_view lineTokens, const StepRows& rows,
                      bool steps, Computation& work, std::vector<StepColumn>& columns,
                      const clsTruthTable* whole) {
    const Mode mode = rows.mode;
    const FormulaTree tree = ReadTree(PolishStr, mode);
    if (!tree.ok) return Status::Internal(kMalformed);
    const bool propositional = mode == Mode::Propositional;
    const int root = static_cast<int>(tree.nodes.size()) - 1;

    // A sub-formula has a value in a row when none of its letters is a variable that a
    // quantifier around it binds; the same sub-formula twice is worked out once.
    const auto closed = [&](const Node& n) { return (n.freeVars & n.bound) == 0; };
    std::vector<Bits> values(tree.nodes.size());
    std::map<std::string_view, int> first;
    // Without steps a predicate line's value is read from its own table: the worlds need
    // not hold the terms of its parts.
    const bool onlyWhole = !steps && !propositional && whole != nullptr;
    for (int at = onlyWhole ? root : 0; at <= root; ++at) {
        const Node& node = tree.nodes[static_cast<std::size_t>(at)];
        if (!closed(node)) continue;
        const std::string_view polish = PolishStr.substr(node.begin, node.end - node.begin);
        const auto [seen, added] = first.emplace(polish, at);
        if (!added) {
            values[static_cast<std::size_t>(at)] = values[static_cast<std::size_t>(seen->second)];
            continue;
        }
        Bits& bits = values[static_cast<std::size_t>(at)];
        const bool compound = node.kind == TokenKind::Binary ||
                              (node.kind == TokenKind::Unary && node.token[0] == op::kNot);
        if (at == root && whole != nullptr && !propositional && (onlyWhole || !compound)) {
            const std::string inWorlds = whole == rows.worlds.get()
                                             ? std::string(whole->TruthValues())
                                             : whole->ValuesInRowsOf(*rows.worlds);
            if (inWorlds.find('\0') != std::string::npos) return Status::Internal(kNoFit);
            bits = PackValues(inWorlds);
        } else if (node.kind == TokenKind::Binary) {
            bits = Combined(values[static_cast<std::size_t>(node.left)],
                            values[static_cast<std::size_t>(node.right)], node.token[0]);
            ClearTail(bits, rows.count);
        } else if (node.kind == TokenKind::Unary && node.token[0] == op::kNot) {
            bits = values[static_cast<std::size_t>(node.left)];
            for (std::uint64_t& word : bits) word = ~word;
            ClearTail(bits, rows.count);
        } else if (propositional) {
            const std::size_t j = rows.letters.find(node.token[0]);
            if (j == std::string::npos) return Status::Internal(kMalformed);
            bits = LetterBits(rows, static_cast<int>(j));
        } else {
            // An atom or a quantified formula: its own table, read in every world.
            clsTruthTable table(mode);
            Status status = table.generateFromPolish(polish, work);
            if (!status.ok()) return status;
            const std::string inWorlds = table.ValuesInRowsOf(*rows.worlds);
            if (inWorlds.find('\0') != std::string::npos) return Status::Internal(kNoFit);
            bits = PackValues(inWorlds);
        }
        if (work.CheckCancel()) return Status::Cancelled();
    }

    std::vector<int> shown;
    if (steps) {
        for (int at = 0; at < root; ++at) {
            const Node& node = tree.nodes[static_cast<std::size_t>(at)];
            const bool letter = propositional && node.kind == TokenKind::Operand;
            const std::string_view polish = PolishStr.substr(node.begin, node.end - node.begin);
            if (!letter && closed(node) && first.at(polish) == at) shown.push_back(at);
        }
        std::stable_sort(shown.begin(), shown.end(), [&tree](int a, int b) {
            const Node& x = tree.nodes[static_cast<std::size_t>(a)];
            const Node& y = tree.nodes[static_cast<std::size_t>(b)];
            return x.height != y.height ? x.height < y.height : x.begin < y.begin;
        });
    }
    shown.push_back(root);
    for (const int at : shown) {
        const Node& node = tree.nodes[static_cast<std::size_t>(at)];
        StepColumn column;
        if (at == root) {
            column.tokenList = lineTokens;
        } else {
            AppendTokens(tree, at, column.tokenList);
        }
        AppendKeywords(tree, at, column.keywords);
        column.PolishStr = PolishStr.substr(node.begin, node.end - node.begin);
        column.bits = std::move(values[static_cast<std::size_t>(at)]);
        columns.push_back(std::move(column));
    }
    return {};
}

StepTable BuildStepTable(std::string_view PolishStr, std::string_view lineTokens, Mode mode,
                         Computation& work, std::shared_ptr<const clsTruthTable> fullTable) {
    StepTable table;
    table.rows.mode = mode;
    if (mode == Mode::Propositional) {
        AddLetters(PolishStr, table.rows.letters);
        if (static_cast<int>(table.rows.letters.size()) > kMaxPropositionalTerms) {
            table.status = Status::Limit(kTooManyRowsMessage);
            return table;
        }
        table.rows.count = 1 << table.rows.letters.size();
    } else {
        if (!fullTable) {
            Options every;
            every.eliminateUnneeded = false;
            LineTable built = BuildLineTable(PolishStr, mode, every, work);
            if (!built.status.ok()) {
                table.status = built.status;
                return table;
            }
            fullTable = std::move(built.table);
        }
        table.rows.worlds = std::move(fullTable);
        table.rows.count = table.rows.worlds->nbrTruthCombos();
    }
    table.status = FormulaColumns(PolishStr, lineTokens, table.rows, true, work, table.steps,
                                  table.rows.worlds.get());
    return table;
}

}  // namespace deducto
