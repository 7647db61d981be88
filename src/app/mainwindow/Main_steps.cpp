// The step-table option and the argument table command of the "&Truth Table Options" menu.
#include <memory>

#include "mainwindow/Main.h"
#include "presentation/frmArgumentTable.h"
#include "truthtable/ArgumentTable.h"

namespace deducto {

namespace {
constexpr const char* kNoConclusion = "Enter a conclusion to see the argument table.";
}  // namespace

void Main::mnuShowEverySteps_Click() {
    session_.options.showSteps = mnuShowEverySteps->isChecked();
}

void Main::mnuArgumentTable_Click() {
    if (!session_.lines[0].table) {
        session_.prompts().ShowMessage(kNoConclusion);
        return;
    }
    auto table = std::make_shared<const ArgumentTable>(BuildArgumentTable(
        session_.lines, session_.mode, session_.options.showSteps, session_.computation));
    if (!table->status.ok()) {
        session_.computation.progress.haltRequested = false;
        if (!table->status.message.empty()) session_.prompts().ShowMessage(table->status.message);
        return;
    }
    auto* window = new frmArgumentTable(table, session_, windowPrompts_, this);
    window->PlaceAtPointer();
    window->ShowWindow(!session_.options.multiTable);
}

}  // namespace deducto
