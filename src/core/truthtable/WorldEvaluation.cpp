#include "truthtable/WorldEvaluation.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "formula/Operators.h"
#include "formula/modBuildPolish.h"

namespace deducto {

namespace {

struct Node {
    std::string token;
    int left = -1;   // the only operand of a unary operator
    int right = -1;  // binary operators
};

class Evaluator {
public:
    Evaluator(Mode mode, const World& world) : mode_(mode), world_(world) {
        for (const Individual& individual : world.individuals) {
            bound_[static_cast<unsigned char>(individual.letter)] = individual.cell;
        }
    }

    // Builds the tree of the postfix string; false when it is malformed.
    bool Read(std::string_view polish) {
        std::vector<int> stack;
        for (size_t pos = 0; pos < polish.size();) {
            const int length = PolishTokenLength(polish, pos, mode_);
            Node node{std::string(polish.substr(pos, length))};
            pos += length;
            switch (TokenClass(node.token, mode_)) {
                case TokenKind::Operand:
                    break;
                case TokenKind::Unary:
                    if (stack.empty()) return false;
                    node.left = stack.back();
                    stack.pop_back();
                    break;
                case TokenKind::Binary:
                    if (stack.size() < 2) return false;
                    node.right = stack.back();
                    stack.pop_back();
                    node.left = stack.back();
                    stack.pop_back();
                    break;
                default:
                    return false;
            }
            nodes_.push_back(std::move(node));
            stack.push_back(static_cast<int>(nodes_.size()) - 1);
        }
        if (stack.size() != 1) return false;
        root_ = stack.back();
        return true;
    }

    char Value() { return Eval(root_); }

private:
    // 'T', 'F', or '\0' for an individual nobody placed.
    char Eval(int at) {
        const Node& node = nodes_[at];
        const char first = node.token[0];
        if (node.left < 0) return Atom(node.token);
        if (first == op::kNot) {
            const char v = Eval(node.left);
            return v == '\0' ? v : (v == 'T' ? 'F' : 'T');
        }
        if (op::IsQuantifier(first)) return Quantified(node);
        const char a = Eval(node.left);
        const char b = Eval(node.right);
        if (a == '\0' || b == '\0') return '\0';
        return op::BinaryTruth(a, b, first);
    }

    char Atom(const std::string& token) const {
        if (mode_ == Mode::Propositional) {
            return world_.trueLetters.find(token[0]) != std::string::npos ? 'T' : 'F';
        }
        if (mode_ == Mode::SetTheory && token[0] == 'U') return 'T';
        if (mode_ == Mode::SetTheory && token[0] == '0') return 'F';
        if (token.size() < 2) return '\0';
        const std::optional<Region>& cell = bound_[static_cast<unsigned char>(token[1])];
        if (!cell) return '\0';
        return (cell->pos & LetterBit(token[0])) ? 'T' : 'F';
    }

    // Whether `variable` occurs free in the formula at `at`.
    bool IsFreeIn(int at, char variable) const {
        const Node& node = nodes_[at];
        if (node.left < 0) {
            // The universal and the empty set hold no individual, whatever letter follows.
            if (mode_ == Mode::SetTheory && (node.token[0] == 'U' || node.token[0] == '0')) {
                return false;
            }
            return node.token.size() > 1 && node.token[1] == variable;
        }
        if (op::IsQuantifier(node.token[0]) && node.token[1] == variable) return false;
        return IsFreeIn(node.left, variable) || (node.right >= 0 && IsFreeIn(node.right, variable));
    }

    // Every individual of a cell looks alike to monadic predicates, so ranging over the
    // inhabited cells ranges over the individuals. A quantifier whose variable is not free
    // in its body says nothing, as the tables read it: forall x Pa is Pa even when nothing
    // exists.
    char Quantified(const Node& node) {
        if (!IsFreeIn(node.left, node.token[1])) return Eval(node.left);
        const bool exists = node.token[0] == op::kExists;
        const unsigned char variable = static_cast<unsigned char>(node.token[1]);
        const std::optional<Region> saved = bound_[variable];
        char result = exists ? 'F' : 'T';
        for (const Region cell : world_.inhabited) {
            bound_[variable] = cell;
            const char v = Eval(node.left);
            if (v == '\0') {
                result = v;
                break;
            }
            if ((v == 'T') == exists) {
                result = v;
                break;
            }
        }
        bound_[variable] = saved;
        return result;
    }

    Mode mode_;
    const World& world_;
    std::vector<Node> nodes_;
    int root_ = -1;
    std::array<std::optional<Region>, 128> bound_{};
};

}  // namespace

char EvaluateInWorld(std::string_view PolishStr, Mode mode, const World& world) {
    Evaluator evaluator(mode, world);
    if (!evaluator.Read(PolishStr)) return '\0';
    return evaluator.Value();
}

}  // namespace deducto
