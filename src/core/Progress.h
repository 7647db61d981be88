// A long computation's view of its caller: the steps it reports (with the texts the
// processing frame shows for them), its progress, and the cancellation check that also lets
// the window's events run through an optional EventPump. The truth-table engine sees only
// a Computation, never the whole session.
#pragma once

namespace deducto {

// Lets pending window events run during a long computation. The app's implementation
// rate-limits itself, so the engine may call it as often as it likes. Where nobody can press
// "&Cancel" (the checker, a trial run) there is no pump at all.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void ProcessPendingEvents() = 0;
};

// The phase now running, in the order the phases appear during one evaluation.
enum class Step {
    None,                         // nothing has run yet
    Calculating,                  // a computation started
    CombiningPremises,            // the premises are being conjoined
    ComparingPremisesConclusion,  // the comparison table is being built
    BuildingCombinations,         // a predicate comparison enumerates its worlds
    EvaluatingCombinations,       // ... and evaluates them
};

// What the processing frame shows for a step.
[[nodiscard]] constexpr const char* StepText(Step step) {
    switch (step) {
        case Step::None:
            return "";
        case Step::Calculating:
            return "Calculating";
        case Step::CombiningPremises:
            return "Combining premises";
        case Step::ComparingPremisesConclusion:
            return "Comparing premises/conclusion";
        case Step::BuildingCombinations:
            return "Building combinations";
        case Step::EvaluatingCombinations:
            return "Evaluating combinations";
    }
    return "";
}

// Whether the processing frame shows a percentage for this step (dots otherwise).
[[nodiscard]] constexpr bool StepCountsProgress(Step step) {
    return step == Step::BuildingCombinations || step == Step::EvaluatingCombinations;
}

// What the processing frame shows of the running computation.
struct Progress {
    Step step = Step::None;         // the phase now running
    long long progressCurrent = 0;  // of progressTotal, for the steps that count
    long long progressTotal = 0;
    bool haltRequested = false;  // "&Cancel" was pressed, or the program is closing

    bool operator==(const Progress&) const = default;
};

// What a long computation needs from its caller: where to publish its progress, and the
// cancellation check that also lets the window's events run.
class Computation {
public:
    // Without a pump the check only reads haltRequested.
    explicit Computation(EventPump* pump = nullptr) : pump_(pump) {}
    explicit Computation(EventPump& pump) : pump_(&pump) {}
    Computation(const Computation&) = delete;
    Computation& operator=(const Computation&) = delete;

    Progress progress;

    // Lets events run, then reports whether the running computation is to stop.
    [[nodiscard]] bool CheckCancel() {
        if (pump_ != nullptr) pump_->ProcessPendingEvents();
        return progress.haltRequested;
    }

private:
    EventPump* pump_;
};

}  // namespace deducto
