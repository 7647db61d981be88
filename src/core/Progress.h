// The progress of the running computation and its cancellation: what the processing frame
// shows, and the one check a long loop makes. The truth-table engine sees only this, never
// the whole session.
#pragma once

namespace deducto {

// Lets pending window events run during a long computation. The app's implementation
// rate-limits itself, so the engine may call it as often as it likes.
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

struct Progress {
    Step step = Step::None;  // progressText
    long long progressCurrent = 0;
    long long progressTotal = 0;
    bool haltRequested = false;  // "&Cancel" was pressed, or the program is closing
};

// What a long computation needs from its caller: where to publish its progress, and the
// cancellation check that also lets the window's events run.
class Computation {
public:
    explicit Computation(EventPump& pump) : pump_(pump) {}
    Computation(const Computation&) = delete;
    Computation& operator=(const Computation&) = delete;

    Progress progress;

    // Lets events run, then reports whether the running computation is to stop.
    [[nodiscard]] bool CheckCancel() {
        pump_.ProcessPendingEvents();
        return progress.haltRequested;
    }

private:
    EventPump& pump_;
};

}  // namespace deducto
