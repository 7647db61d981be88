#include "tree/TreeFormula.h"

#include <vector>

#include "Notation.h"
#include "formula/Operators.h"
#include "formula/modBuildPolish.h"

namespace deducto {

namespace {

char CodeOf(TreeFormula::Kind kind) {
    switch (kind) {
        case TreeFormula::And:
            return op::kAnd;
        case TreeFormula::Or:
            return op::kOr;
        case TreeFormula::Implies:
            return op::kImplies;
        case TreeFormula::Iff:
            return op::kIff;
        case TreeFormula::Forall:
            return op::kForall;
        case TreeFormula::Exists:
            return op::kExists;
        default:
            return op::kNot;
    }
}

const char* KeywordOf(TreeFormula::Kind kind) {
    switch (kind) {
        case TreeFormula::And:
            return "and";
        case TreeFormula::Or:
            return "or";
        case TreeFormula::Implies:
            return "implies";
        case TreeFormula::Iff:
            return "iff";
        case TreeFormula::Forall:
            return "forall";
        default:
            return "exists";
    }
}

FormulaPtr Make(TreeFormula f) { return std::make_shared<const TreeFormula>(std::move(f)); }

// Binary operands and quantifier bodies that are themselves binary get parentheses.
bool NeedsGroup(const TreeFormula& f) { return f.IsBinary(); }

void WriteKeywords(const TreeFormula& f, std::string& out) {
    switch (f.kind) {
        case TreeFormula::True:
            out += "U";
            out += f.variable;
            return;
        case TreeFormula::False:
            out += "not U";
            out += f.variable;
            return;
        case TreeFormula::Atom:
            out += f.predicate;
            if (f.variable) out += f.variable;
            return;
        case TreeFormula::Not:
            out += "not ";
            break;
        case TreeFormula::Forall:
        case TreeFormula::Exists:
            out += KeywordOf(f.kind);
            out += ' ';
            out += f.variable;
            out += ' ';
            break;
        default: {
            const bool left = NeedsGroup(*f.a);
            const bool right = NeedsGroup(*f.b);
            if (left) out += '(';
            WriteKeywords(*f.a, out);
            if (left) out += ')';
            out += ' ';
            out += KeywordOf(f.kind);
            out += ' ';
            if (right) out += '(';
            WriteKeywords(*f.b, out);
            if (right) out += ')';
            return;
        }
    }
    const bool group = NeedsGroup(*f.a);
    if (group) out += '(';
    WriteKeywords(*f.a, out);
    if (group) out += ')';
}

void WriteTokens(const TreeFormula& f, std::string& out) {
    switch (f.kind) {
        case TreeFormula::True:
            out += 'U';
            out += f.variable;
            return;
        case TreeFormula::False:
            out += "3U";
            out += f.variable;
            return;
        case TreeFormula::Atom:
            out += f.predicate;
            if (f.variable) out += f.variable;
            return;
        case TreeFormula::Not:
            out += op::kNot;
            break;
        case TreeFormula::Forall:
        case TreeFormula::Exists:
            out += CodeOf(f.kind);
            out += f.variable;
            break;
        default: {
            const bool left = NeedsGroup(*f.a);
            const bool right = NeedsGroup(*f.b);
            if (left) out += '(';
            WriteTokens(*f.a, out);
            if (left) out += ')';
            out += CodeOf(f.kind);
            if (right) out += '(';
            WriteTokens(*f.b, out);
            if (right) out += ')';
            return;
        }
    }
    const bool group = NeedsGroup(*f.a);
    if (group) out += '(';
    WriteTokens(*f.a, out);
    if (group) out += ')';
}

unsigned LetterBitOf(char lower) { return 1u << (lower - 'a'); }

unsigned Letters(const TreeFormula& f, bool freeOnly) {
    switch (f.kind) {
        case TreeFormula::True:
        case TreeFormula::False:
            return 0;
        case TreeFormula::Atom:
            return f.variable ? LetterBitOf(f.variable) : 0;
        case TreeFormula::Not:
            return Letters(*f.a, freeOnly);
        case TreeFormula::Forall:
        case TreeFormula::Exists: {
            const unsigned inner = Letters(*f.a, freeOnly);
            return freeOnly ? inner & ~LetterBitOf(f.variable) : inner | LetterBitOf(f.variable);
        }
        default:
            return Letters(*f.a, freeOnly) | Letters(*f.b, freeOnly);
    }
}

}  // namespace

bool TreeFormula::IsLiteral() const {
    if (kind == Atom || kind == True || kind == False) return true;
    return kind == Not && (a->kind == Atom || a->kind == True || a->kind == False);
}

FormulaPtr MakeAtom(char predicate, char variable) {
    TreeFormula f;
    f.kind = TreeFormula::Atom;
    f.predicate = predicate;
    f.variable = variable;
    f.polish = std::string(1, predicate);
    if (variable) f.polish += variable;
    return Make(std::move(f));
}

FormulaPtr MakeConstant(bool value) {
    TreeFormula f;
    f.kind = value ? TreeFormula::True : TreeFormula::False;
    f.variable = 'x';
    f.polish = value ? "Ux" : "Ux3";
    return Make(std::move(f));
}

FormulaPtr MakeNot(FormulaPtr a) {
    TreeFormula f;
    f.kind = TreeFormula::Not;
    f.polish = a->polish + op::kNot;
    f.a = std::move(a);
    return Make(std::move(f));
}

FormulaPtr MakeBinary(TreeFormula::Kind kind, FormulaPtr a, FormulaPtr b) {
    TreeFormula f;
    f.kind = kind;
    f.polish = a->polish + b->polish + CodeOf(kind);
    f.a = std::move(a);
    f.b = std::move(b);
    return Make(std::move(f));
}

FormulaPtr MakeQuantifier(TreeFormula::Kind kind, char variable, FormulaPtr body) {
    TreeFormula f;
    f.kind = kind;
    f.variable = variable;
    f.polish = body->polish + CodeOf(kind) + variable;
    f.a = std::move(body);
    return Make(std::move(f));
}

FormulaPtr FormulaFromPolish(std::string_view polish, Mode mode) {
    std::vector<FormulaPtr> stack;
    for (size_t pos = 0; pos < polish.size();) {
        const int length = PolishTokenLength(polish, pos, mode);
        const std::string_view token = polish.substr(pos, length);
        pos += length;
        switch (TokenClass(token, mode)) {
            case TokenKind::Operand:
                if (mode == Mode::SetTheory && (token[0] == 'U' || token[0] == '0')) {
                    stack.push_back(MakeConstant(token[0] == 'U'));
                } else if (mode == Mode::Propositional) {
                    stack.push_back(MakeAtom(token[0], 0));
                } else {
                    stack.push_back(MakeAtom(token[0], token[1]));
                }
                break;
            case TokenKind::Unary: {
                if (stack.empty()) return nullptr;
                FormulaPtr a = std::move(stack.back());
                stack.pop_back();
                if (token[0] == op::kNot) {
                    stack.push_back(MakeNot(std::move(a)));
                } else {
                    const auto kind =
                        token[0] == op::kForall ? TreeFormula::Forall : TreeFormula::Exists;
                    stack.push_back(MakeQuantifier(kind, token[1], std::move(a)));
                }
                break;
            }
            case TokenKind::Binary: {
                if (stack.size() < 2) return nullptr;
                FormulaPtr b = std::move(stack.back());
                stack.pop_back();
                FormulaPtr a = std::move(stack.back());
                stack.pop_back();
                const TreeFormula::Kind kind = token[0] == op::kAnd   ? TreeFormula::And
                                               : token[0] == op::kOr  ? TreeFormula::Or
                                               : token[0] == op::kIff ? TreeFormula::Iff
                                                                      : TreeFormula::Implies;
                stack.push_back(MakeBinary(kind, std::move(a), std::move(b)));
                break;
            }
            default:
                return nullptr;
        }
    }
    if (stack.size() != 1) return nullptr;
    return stack.back();
}

FormulaPtr Instantiate(const FormulaPtr& f, char variable, char constant) {
    switch (f->kind) {
        case TreeFormula::True:
        case TreeFormula::False:
            return f;
        case TreeFormula::Atom:
            return f->variable == variable ? MakeAtom(f->predicate, constant) : f;
        case TreeFormula::Not:
            return MakeNot(Instantiate(f->a, variable, constant));
        case TreeFormula::Forall:
        case TreeFormula::Exists:
            if (f->variable == variable) return f;
            return MakeQuantifier(f->kind, f->variable, Instantiate(f->a, variable, constant));
        default:
            return MakeBinary(f->kind, Instantiate(f->a, variable, constant),
                              Instantiate(f->b, variable, constant));
    }
}

bool IsFree(const TreeFormula& f, char variable) {
    return (FreeLetters(f) & LetterBitOf(variable)) != 0;
}

unsigned FreeLetters(const TreeFormula& f) { return Letters(f, true); }

unsigned AllLetters(const TreeFormula& f) { return Letters(f, false); }

void CollectLetters(const TreeFormula& f, std::string& letters) {
    if (f.kind == TreeFormula::Atom) {
        if (letters.find(f.predicate) == std::string::npos) letters += f.predicate;
        return;
    }
    if (f.a) CollectLetters(*f.a, letters);
    if (f.b) CollectLetters(*f.b, letters);
}

std::string KeywordText(const TreeFormula& f) {
    std::string out;
    WriteKeywords(f, out);
    return out;
}

std::string TokenList(const TreeFormula& f) {
    std::string out;
    WriteTokens(f, out);
    return out;
}

std::string LogicalText(const TreeFormula& f) {
    if (f.kind == TreeFormula::True) return "⊤";
    if (f.kind == TreeFormula::False) return "⊥";
    if (f.kind == TreeFormula::Not && f.a->kind == TreeFormula::True) return "¬⊤";
    if (f.kind == TreeFormula::Not && f.a->kind == TreeFormula::False) return "¬⊥";
    return DisplayFormula(TokenList(f));
}

}  // namespace deducto
