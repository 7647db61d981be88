#include "TreeReport.h"

#include "ExplainReport.h"
#include "Progress.h"
#include "truthtable/WorldEvaluation.h"

namespace deducto::cli {

TreeInput TreeInputOf(const CheckReport& report) {
    TreeInput input;
    input.mode = report.mode;
    for (const LineReport& line : report.lines) {
        if (!line.outcome.ok()) continue;
        if (line.input.index == 0) {
            input.conclusion = line.outcome.parse.PolishStr;
        } else {
            input.premises.emplace_back(line.input.index, line.outcome.parse.PolishStr);
        }
    }
    return input;
}

std::unique_ptr<TruthTree> TreeOf(const CheckReport& report) {
    if (report.result != RunResult::Evaluated) return nullptr;
    auto tree = std::make_unique<TruthTree>(TreeInputOf(report));
    Computation computation;
    (void)tree->Finish(computation);  // a limit leaves its message in the tree
    return tree;
}

void WriteTreeJson(JsonWriter& json, const CheckReport& report, const TruthTree* tree) {
    json.Key("tree");
    if (tree == nullptr) {
        json.Null();
        return;
    }
    json.BeginObject();
    json.Key("message");
    if (tree->limitMessage().empty()) {
        json.Null();
    } else {
        json.String(tree->limitMessage());
    }
    json.Key("closed");
    json.Raw(tree->closed() ? "true" : "false");
    json.Key("nodes");
    json.BeginArray();
    const bool drawn = tree->limitMessage().empty();
    if (drawn) {
        for (const TreeNode& node : tree->nodes()) {
            json.BeginObject();
            json.Key("id");
            json.Int(node.id);
            json.Key("parent");
            if (node.parent) {
                json.Int(node.parent);
            } else {
                json.Null();
            }
            json.Key("formula");
            json.String(KeywordText(*node.formula));
            json.Key("polish");
            json.String(node.formula->polish);
            json.Key("rule");
            json.String(RuleName(node.rule));
            json.Key("from");
            if (node.from) {
                json.Int(node.from);
            } else {
                json.Null();
            }
            json.Key("ticked");
            json.Raw(node.ticked ? "true" : "false");
            json.EndObject();
        }
    }
    json.EndArray();
    json.Key("branches");
    json.BeginArray();
    if (drawn) {
        const TreeInput input = TreeInputOf(report);
        for (const TreeBranch& branch : tree->Branches()) {
            json.BeginObject();
            json.Key("leaf");
            json.Int(branch.leaf);
            json.Key("closed");
            json.Raw(branch.closed ? "true" : "false");
            if (branch.closed) {
                json.Key("contradiction");
                json.BeginArray();
                json.Int(branch.contradiction[0]);
                json.Int(branch.contradiction[1]);
                json.EndArray();
            } else if (branch.world) {
                json.Key("world");
                json.BeginObject();
                WriteWorldMembers(json, *branch.world, report);
                json.Key("lines");
                json.BeginArray();
                const auto value = [&](int index, const std::string& polish) {
                    json.BeginObject();
                    json.Key("index");
                    json.Int(index);
                    json.Key("value");
                    json.String(std::string(
                        1, EvaluateInWorld(polish, report.mode, *branch.world) == 'T' ? 'T' : 'F'));
                    json.EndObject();
                };
                for (const auto& [index, polish] : input.premises) value(index, polish);
                if (!input.conclusion.empty()) value(0, input.conclusion);
                json.EndArray();
                json.EndObject();
            }
            json.EndObject();
        }
    }
    json.EndArray();
    json.EndObject();
}

}  // namespace deducto::cli
